// The two rectangle forms of the drawing layer.
//
// `Rect` is origin and extent (x, y, width, height), used by images and most
// drawing calls; `EdgeRect` is the edge form (left, top, right, bottom) with
// the right and bottom edges outside the rectangle. Both are plain aggregates,
// so `Rect{x, y, w, h}` and `EdgeRect{l, t, r, b}` build them.
#pragma once

#include <cstdint>

struct Point
{
    int32_t x;
    int32_t y;
};

struct Rect
{
    Point origin;
    Point extent;
};

struct EdgeRect
{
    int16_t left;
    int16_t top;
    int16_t right;
    int16_t bottom;
};

inline bool operator==(const Point& a, const Point& b)
{
    return a.x == b.x && a.y == b.y;
}

inline bool operator==(const Rect& a, const Rect& b)
{
    return a.origin == b.origin && a.extent == b.extent;
}
