// Bitmap: a rectangle of an image that can be drawn on any window.
//
// A bitmap is a view: it names an `ImageData` (holding one use of it) and a
// rectangle within it. Bitmaps cut from another share its image, so a font or
// a button strip is loaded once however many pieces are cut from it.
//
// Cutting a sub-rectangle (x2, y2, w2, h2) out of a rectangle (x, y, w, h)
// gives origin (x + x2, y + y2) and extent (min(w - x2, w2), min(h - y2, h2)),
// a negative extent raised to 0. All eight values must be >= 0.
#pragma once

#include "WinCE/Color.h"
#include "WinCE/Rect.h"

class ImageData;
class OffscreenWindow;
class Window;

class Bitmap
{
public:
    // The whole of the named bitmap file of the data file.
    explicit Bitmap(const char* fileName);
    // Shares the other bitmap's image and rectangle.
    Bitmap(const Bitmap& other);
    // Shares the other bitmap's image; the rectangle is cut from the other's.
    Bitmap(const Bitmap& other, const Rect& sub);
    Bitmap(const Bitmap& other, int32_t x, int32_t y, int32_t width, int32_t height);
    // An image around the off-screen window, which the image then owns; the
    // rectangle is the window's or the one given.
    explicit Bitmap(OffscreenWindow* window);
    Bitmap(OffscreenWindow* window, const Rect& rect);
    virtual ~Bitmap();

    Bitmap& operator=(const Bitmap&) = delete;

    // Draws the part of this bitmap cut by the sub-rectangle at (x, y).
    virtual void DrawPart(Window* window, int32_t x, int32_t y, const Rect& sub, uint32_t rop);
    // Blits the bitmap's rectangle to (x, y); rop may be ROP_DEFAULT.
    virtual void Draw(Window* window, int32_t x, int32_t y, uint32_t rop);
    // The window holding the image's pixels.
    virtual Window* GetSurface();

    const Rect& GetImgRect() const { return _rect; }
    ImageData* GetImageData() const { return _data; }

    static Rect Cut(const Rect& rect, const Rect& sub);

protected:
    // A bitmap of the given image and rectangle (the image may be null).
    Bitmap(ImageData* data, const Rect& rect);

    Rect _rect;
    ImageData* _data;
};
