// Window: anything that can be drawn on.
//
// A window bundles a drawing surface (its "device context", a block of 32-bit
// pixels set up by the subclass: a form's client area or an off-screen back
// buffer) with a current font, a fill brush, a default raster operation and a
// clip rectangle, and offers the primitives the game draws with: lines,
// filled, outlined and inverted rectangles (optionally with rounded corners),
// block transfers between windows, scrolling and text.
//
// Pixel rules follow the platform's drawing calls, so screens look as they
// were designed:
// - A rectangle covers left <= x < right and top <= y < bottom. Shapes drawn
//   with a pen (FillRectBlack, FillRectWhite, FrameRect, InvertRect) cover
//   exactly that; FillRect draws without a pen and so covers one pixel less on
//   the right and at the bottom. The extent form (x, y, width, height) is the
//   edge form (x, y, x + width, y + height).
// - A corner radius r >= 2 rounds each corner with a quarter of a 2r x 2r
//   ellipse: pixel (i, j) of an r x r corner, counted from its outer corner,
//   is kept when (2i + 1 - 2r)^2 + (2j + 1 - 2r)^2 <= 4r^2 - 2r. A radius of 1
//   or less draws square corners, as a 2 x 2 ellipse does. The radius shrinks
//   to half the shorter side of small rectangles.
// - Lines include their first point and exclude their last.
// - Everything is clipped to the clip rectangle and the surface.
//
// A window also remembers the strings drawn on it that are still visible, so
// that scripts and tests can read a screen as text (ScreenDump). A string
// painted over by an opaque fill or block transfer covering its centre is
// forgotten; a block transfer carries the strings of the source area along
// with the pixels, so text composed in a back buffer shows on the form it is
// copied to; scrolling moves them. A string drawn where another one starts
// replaces it (a string drawn over by an opaque font goes to the end).
#pragma once

#include "WinCE/Color.h"
#include "WinCE/Rect.h"

#include <cstdint>
#include <string>
#include <vector>

class Brush;
class Font;
class Surface;

class Window
{
public:
    virtual ~Window();

    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    int32_t GetWidth() const { return _width; }
    int32_t GetHeight() const { return _height; }
    Rect GetRect() const { return Rect{{_x, _y}, {_width, _height}}; }

    // Two-point lines with the black or the white pen.
    void DrawLineBlack(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    void DrawLineWhite(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

    // Filled with black (white) pen and brush.
    void FillRectBlack(const EdgeRect& rect, int32_t radius);
    void FillRectBlack(const Rect& rect, int32_t radius);
    void FillRectWhite(const EdgeRect& rect, int32_t radius);
    void FillRectWhite(const Rect& rect, int32_t radius);
    // Filled with the window's brush and no pen (one pixel smaller, see above).
    void FillRect(const EdgeRect& rect, int32_t radius);
    void FillRect(const Rect& rect, int32_t radius);
    // A one-pixel black outline.
    void FrameRect(const EdgeRect& rect);
    void FrameRect(const Rect& rect);
    // Inverts every pixel of the rectangle enlarged by one pixel on each side:
    // edges (left - 1, top - 1, right + 1, bottom + 1), or for the extent form
    // (x - 1, y - 1, x + width + 2, y + height + 2).
    void InvertRect(const EdgeRect& rect, int32_t radius);
    void InvertRect(const Rect& rect, int32_t radius);

    // Paints exactly the pixels of the rectangle (no pen rule) in one colour.
    void FillSolid(const Rect& rect, uint32_t colour);

    // Block transfer of width x height pixels from (sx, sy) of the source
    // window's surface to (dx, dy) of this one. rop is SRCCOPY, SRCAND,
    // SRCPAINT, SRCINVERT, NOTSRCCOPY, DSTINVERT, BLACKNESS, WHITENESS or
    // ROP_DEFAULT. Pixels outside the source surface are not transferred.
    // Source and destination may be the same window and may overlap.
    void Blit(Window* src, int32_t sx, int32_t sy, int32_t width, int32_t height, int32_t dx, int32_t dy,
              uint32_t rop);

    // Moves the pixels inside the rectangle by dx, then by dy; pixels leaving
    // the rectangle are lost and the uncovered ones keep their old colour.
    void Scroll(const Rect& rect, int32_t dx, int32_t dy);

    void SetClip(int32_t x, int32_t y, int32_t width, int32_t height);
    Rect GetClip() const { return _clip; }

    void SetBrushColor(uint32_t colour);
    // Eight bytes, one per row from the top, most significant bit leftmost.
    void SetPatternBrush(const uint8_t pattern[8]);
    Brush* GetBrush() const { return _brush; }

    void SetDefaultRop(uint32_t rop);
    uint32_t GetDefaultRop() const { return _defaultRop; }

    void DrawString(int32_t x, int32_t y, const char* text, uint32_t rop);
    int32_t TextWidth(const char* text);
    // Deletes the current font if the window owns it and installs the new one
    // (owned when `owned` is set and it is not null). Returns the previous
    // font when it was not deleted, else null.
    Font* SetFont(Font* font, bool owned);
    Font* GetFont() const { return _font; }

    // The pixels, for the few places that work on them directly.
    Surface* GetDC() const { return _dc; }

    // A string on the window: its box, the text and the font's name.
    struct DrawnText
    {
        Rect box;
        std::string text;
        std::string font;
    };
    // At most this many strings are remembered; the oldest go first.
    static constexpr size_t MAX_DRAWN_TEXTS = 256;
    // The strings still visible, in the order they were drawn.
    const std::vector<DrawnText>& GetDrawnTexts() const { return _texts; }
    void ForgetTexts() { _texts.clear(); }
    // Called by a font after drawing `text` over `box`; an opaque font hides
    // whatever strings had their centre under the box.
    void NoteText(const Rect& box, const char* text, const std::string& font, bool opaque);
    // A window whose pixels nobody reads as text (the composed device screen)
    // keeps no strings, which spares the bookkeeping.
    void SetKeepsTexts(bool keep);

protected:
    // A window of the given size; the subclass supplies the surface.
    Window(int16_t width, int16_t height);

    void SetSurface(Surface* surface) { _dc = surface; }

    int32_t _x = 0;
    int32_t _y = 0;
    int32_t _width;
    int32_t _height;
    uint32_t _defaultRop = SRCCOPY;
    Font* _font = nullptr;
    bool _ownsFont = false;
    Surface* _dc = nullptr;
    Brush* _brush;
    bool _ownsBrush = false;
    // The host's handle of a form's native window; null for back buffers.
    void* _handle = nullptr;
    Rect _clip;

private:
    enum class ShapeOp
    {
        Colour,
        Brush,
        Invert
    };

    // Paints the shape covering left <= x < right, top <= y < bottom with
    // rounded corners of the given radius.
    // Edges are 64-bit so that no origin plus extent can overflow.
    void PaintShape(int64_t left, int64_t top, int64_t right, int64_t bottom, int32_t radius, ShapeOp op,
                    uint32_t colour);
    void PaintOutline(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t colour);
    void PaintLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour);
    void ReplaceBrush(Brush* brush);
    // The clip rectangle cut to the surface, as edges.
    void ClipBounds(int32_t& x0, int32_t& y0, int32_t& x1, int32_t& y1) const;
    // Forgets the strings whose centre lies in the area painted over (cut to
    // the clip and the surface).
    void CoverTexts(int64_t left, int64_t top, int64_t right, int64_t bottom);
    // Adds a string, taking the place of one that starts at the same point.
    void AddText(DrawnText text);
    // The strings of the source rectangle arrive at the destination.
    void CarryTexts(const Window& source, int32_t sx, int32_t sy, int32_t width, int32_t height, int32_t dx,
                    int32_t dy, uint32_t rop);

    std::vector<DrawnText> _texts;
    bool _keepTexts = true;
};
