// Colours and raster operations of the drawing surface.
//
// A colour is a 32-bit value 0x00BBGGRR (red in the low byte), the same value
// the pixels of every surface hold, so a colour is written to a surface as is.
// Raster operations are the standard ternary codes of block transfers; the
// game uses SRCCOPY, SRCAND and SRCPAINT. ROP_DEFAULT is not a raster
// operation: passed to a blit or to text drawing it stands for the window's
// default raster operation.
#pragma once

#include <cstdint>

constexpr uint32_t RGB(uint32_t red, uint32_t green, uint32_t blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

constexpr uint32_t GetRValue(uint32_t colour)
{
    return colour & 0xFF;
}

constexpr uint32_t GetGValue(uint32_t colour)
{
    return (colour >> 8) & 0xFF;
}

constexpr uint32_t GetBValue(uint32_t colour)
{
    return (colour >> 16) & 0xFF;
}

constexpr uint32_t COLOR_BLACK = 0x00000000;
constexpr uint32_t COLOR_WHITE = 0x00FFFFFF;

// The bits of a pixel that carry colour; inverting never sets the top byte.
constexpr uint32_t COLOR_MASK = 0x00FFFFFF;

constexpr uint32_t SRCCOPY = 0x00CC0020;     // dest = source
constexpr uint32_t SRCPAINT = 0x00EE0086;    // dest = source | dest
constexpr uint32_t SRCAND = 0x008800C6;      // dest = source & dest
constexpr uint32_t SRCINVERT = 0x00660046;   // dest = source ^ dest
constexpr uint32_t NOTSRCCOPY = 0x00330008;  // dest = ~source
constexpr uint32_t DSTINVERT = 0x00550009;   // dest = ~dest
constexpr uint32_t BLACKNESS = 0x00000042;   // dest = black
constexpr uint32_t WHITENESS = 0x00FF0062;   // dest = white
constexpr uint32_t ROP_DEFAULT = 0x00330009; // the window's default raster operation
