#include "WinCE/Window.h"

#include "WinCE/Assert.h"
#include "WinCE/Brush.h"
#include "WinCE/Font.h"
#include "WinCE/Surface.h"
#include "WinCE/SystemFont.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
// The number of pixels cut from row j (0 = the outermost row) of a corner
// rounded with radius r: the leading pixels of the row that lie outside the
// corner's quarter ellipse.
int32_t CornerInset(int32_t r, int32_t j)
{
    const int64_t limit = 4 * int64_t(r) * r - 2 * int64_t(r);
    const int64_t dy = 2 * int64_t(j) + 1 - 2 * int64_t(r);
    int32_t i = 0;
    while (i < r)
    {
        const int64_t dx = 2 * int64_t(i) + 1 - 2 * int64_t(r);
        if (dx * dx + dy * dy <= limit)
            break;
        ++i;
    }
    return i;
}

uint32_t ApplyRop(uint32_t rop, uint32_t source, uint32_t dest)
{
    switch (rop)
    {
    case SRCCOPY:
        return source;
    case SRCAND:
        return source & dest;
    case SRCPAINT:
        return source | dest;
    case SRCINVERT:
        return source ^ dest;
    case NOTSRCCOPY:
        return ~source & COLOR_MASK;
    case DSTINVERT:
        return ~dest & COLOR_MASK;
    case BLACKNESS:
        return COLOR_BLACK;
    case WHITENESS:
        return COLOR_WHITE;
    default:
        ASSERT(false && "unsupported raster operation");
        return dest;
    }
}

// One row of a block transfer between two different surfaces; the loops are
// kept apart per operation so that the compiler vectorises the common ones.
void BlitRowApart(uint32_t rop, const uint32_t* __restrict__ src, uint32_t* __restrict__ dst, int32_t count)
{
    switch (rop)
    {
    case SRCCOPY:
        std::memcpy(dst, src, sizeof(uint32_t) * count);
        return;
    case SRCAND:
        for (int32_t i = 0; i < count; ++i)
            dst[i] &= src[i];
        return;
    case SRCPAINT:
        for (int32_t i = 0; i < count; ++i)
            dst[i] |= src[i];
        return;
    default:
        for (int32_t i = 0; i < count; ++i)
            dst[i] = ApplyRop(rop, src[i], dst[i]);
        return;
    }
}

// The same within one surface, where source and destination may overlap:
// a copy moves, other operations run front to back (callers make sure no
// pixel is read after it was written).
void BlitRowWithin(uint32_t rop, const uint32_t* src, uint32_t* dst, int32_t count)
{
    if (rop == SRCCOPY)
    {
        std::memmove(dst, src, sizeof(uint32_t) * count);
        return;
    }
    for (int32_t i = 0; i < count; ++i)
        dst[i] = ApplyRop(rop, src[i], dst[i]);
}

bool IsKnownRop(uint32_t rop)
{
    switch (rop)
    {
    case SRCCOPY:
    case SRCAND:
    case SRCPAINT:
    case SRCINVERT:
    case NOTSRCCOPY:
    case DSTINVERT:
    case BLACKNESS:
    case WHITENESS:
        return true;
    default:
        return false;
    }
}
} // namespace

Window::Window(int16_t width, int16_t height)
    : _width(width), _height(height), _brush(Brush::StockBlack()), _clip{{0, 0}, {width, height}}
{
    ASSERT(width >= 0 && height >= 0 && "window sizes are never negative");
    _font = new SystemFont;
    _ownsFont = true;
}

Window::~Window()
{
    if (_ownsFont)
        delete _font;
    if (_ownsBrush)
        delete _brush;
}

void Window::ClipBounds(int32_t& x0, int32_t& y0, int32_t& x1, int32_t& y1) const
{
    x0 = std::max<int32_t>(_clip.origin.x, 0);
    y0 = std::max<int32_t>(_clip.origin.y, 0);
    const int64_t right = int64_t(_clip.origin.x) + std::max<int32_t>(_clip.extent.x, 0);
    const int64_t bottom = int64_t(_clip.origin.y) + std::max<int32_t>(_clip.extent.y, 0);
    const int32_t surfaceWidth = _dc ? _dc->GetWidth() : 0;
    const int32_t surfaceHeight = _dc ? _dc->GetHeight() : 0;
    x1 = static_cast<int32_t>(std::min<int64_t>(right, surfaceWidth));
    y1 = static_cast<int32_t>(std::min<int64_t>(bottom, surfaceHeight));
}

void Window::PaintShape(int64_t left, int64_t top, int64_t right, int64_t bottom, int32_t radius, ShapeOp op,
                        uint32_t colour)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const int64_t width = right - left;
    const int64_t height = bottom - top;
    if (width <= 0 || height <= 0 || _dc == nullptr)
        return;

    int32_t cx0, cy0, cx1, cy1;
    ClipBounds(cx0, cy0, cx1, cy1);
    const int64_t y0 = std::max<int64_t>(top, cy0);
    const int64_t y1 = std::min<int64_t>(bottom, cy1);
    if (y0 >= y1)
        return;

    // Corners come from a 2r x 2r ellipse; r of 1 (a 2 x 2 ellipse) is square.
    const int32_t r = static_cast<int32_t>(std::min<int64_t>({radius, width / 2, height / 2}));
    std::vector<int32_t> insets;
    if (r >= 2)
    {
        insets.resize(r);
        for (int32_t j = 0; j < r; ++j)
            insets[j] = CornerInset(r, j);
    }

    for (int64_t y = y0; y < y1; ++y)
    {
        int32_t inset = 0;
        if (!insets.empty())
        {
            const int64_t fromTop = y - top;
            const int64_t fromBottom = bottom - 1 - y;
            if (fromTop < r)
                inset = insets[fromTop];
            else if (fromBottom < r)
                inset = insets[fromBottom];
        }
        const int32_t x0 = static_cast<int32_t>(std::max<int64_t>(left + inset, cx0));
        const int32_t x1 = static_cast<int32_t>(std::min<int64_t>(right - inset, cx1));
        if (x0 >= x1)
            continue;
        uint32_t* row = _dc->GetRow(static_cast<int32_t>(y));
        switch (op)
        {
        case ShapeOp::Colour:
            std::fill(row + x0, row + x1, colour);
            break;
        case ShapeOp::Brush:
            _brush->FillSpan(row, x0, x1, static_cast<int32_t>(y));
            break;
        case ShapeOp::Invert:
            for (int32_t x = x0; x < x1; ++x)
                row[x] = ~row[x] & COLOR_MASK;
            break;
        }
    }
}

void Window::PaintOutline(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t colour)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (right - left <= 0 || bottom - top <= 0)
        return;
    PaintShape(left, top, right, top + 1, 0, ShapeOp::Colour, colour);
    PaintShape(left, bottom - 1, right, bottom, 0, ShapeOp::Colour, colour);
    PaintShape(left, top, left + 1, bottom, 0, ShapeOp::Colour, colour);
    PaintShape(right - 1, top, right, bottom, 0, ShapeOp::Colour, colour);
}

void Window::PaintLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour)
{
    int32_t cx0, cy0, cx1, cy1;
    ClipBounds(cx0, cy0, cx1, cy1);
    // Bresenham's walk from the first point; the last point is not drawn.
    const int64_t dx = std::llabs(int64_t(x2) - x1);
    const int64_t dy = -std::llabs(int64_t(y2) - y1);
    const int32_t stepX = x1 < x2 ? 1 : -1;
    const int32_t stepY = y1 < y2 ? 1 : -1;
    int64_t err = dx + dy;
    int64_t x = x1;
    int64_t y = y1;
    while (x != x2 || y != y2)
    {
        if (x >= cx0 && x < cx1 && y >= cy0 && y < cy1)
            _dc->GetRow(static_cast<int32_t>(y))[x] = colour;
        const int64_t e2 = 2 * err;
        if (e2 >= dy)
        {
            err += dy;
            x += stepX;
        }
        if (e2 <= dx)
        {
            err += dx;
            y += stepY;
        }
    }
}

void Window::DrawLineBlack(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    PaintLine(x1, y1, x2, y2, COLOR_BLACK);
}

void Window::DrawLineWhite(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    PaintLine(x1, y1, x2, y2, COLOR_WHITE);
}

void Window::FillRectBlack(const EdgeRect& rect, int32_t radius)
{
    CoverTexts(rect.left, rect.top, rect.right, rect.bottom);
    PaintShape(rect.left, rect.top, rect.right, rect.bottom, radius, ShapeOp::Colour, COLOR_BLACK);
}

void Window::FillRectBlack(const Rect& rect, int32_t radius)
{
    CoverTexts(rect.origin.x, rect.origin.y, int64_t(rect.origin.x) + rect.extent.x,
               int64_t(rect.origin.y) + rect.extent.y);
    PaintShape(rect.origin.x, rect.origin.y, int64_t(rect.origin.x) + rect.extent.x,
               int64_t(rect.origin.y) + rect.extent.y, radius, ShapeOp::Colour, COLOR_BLACK);
}

void Window::FillRectWhite(const EdgeRect& rect, int32_t radius)
{
    CoverTexts(rect.left, rect.top, rect.right, rect.bottom);
    PaintShape(rect.left, rect.top, rect.right, rect.bottom, radius, ShapeOp::Colour, COLOR_WHITE);
}

void Window::FillRectWhite(const Rect& rect, int32_t radius)
{
    CoverTexts(rect.origin.x, rect.origin.y, int64_t(rect.origin.x) + rect.extent.x,
               int64_t(rect.origin.y) + rect.extent.y);
    PaintShape(rect.origin.x, rect.origin.y, int64_t(rect.origin.x) + rect.extent.x,
               int64_t(rect.origin.y) + rect.extent.y, radius, ShapeOp::Colour, COLOR_WHITE);
}

void Window::FillRect(const EdgeRect& rect, int32_t radius)
{
    // Without a pen the platform fills one pixel short on the right and bottom.
    CoverTexts(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    PaintShape(rect.left, rect.top, rect.right - 1, rect.bottom - 1, radius, ShapeOp::Brush, 0);
}

void Window::FillRect(const Rect& rect, int32_t radius)
{
    CoverTexts(rect.origin.x, rect.origin.y, int64_t(rect.origin.x) + rect.extent.x - 1,
               int64_t(rect.origin.y) + rect.extent.y - 1);
    PaintShape(rect.origin.x, rect.origin.y, int64_t(rect.origin.x) + rect.extent.x - 1,
               int64_t(rect.origin.y) + rect.extent.y - 1, radius, ShapeOp::Brush, 0);
}

void Window::FrameRect(const EdgeRect& rect)
{
    PaintOutline(rect.left, rect.top, rect.right, rect.bottom, COLOR_BLACK);
}

void Window::FrameRect(const Rect& rect)
{
    PaintOutline(rect.origin.x, rect.origin.y, int64_t(rect.origin.x) + rect.extent.x,
                 int64_t(rect.origin.y) + rect.extent.y, COLOR_BLACK);
}

void Window::InvertRect(const EdgeRect& rect, int32_t radius)
{
    PaintShape(rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1, radius, ShapeOp::Invert, 0);
}

void Window::InvertRect(const Rect& rect, int32_t radius)
{
    PaintShape(int64_t(rect.origin.x) - 1, int64_t(rect.origin.y) - 1,
               int64_t(rect.origin.x) + rect.extent.x + 2, int64_t(rect.origin.y) + rect.extent.y + 2, radius,
               ShapeOp::Invert, 0);
}

void Window::FillSolid(const Rect& rect, uint32_t colour)
{
    if (rect.extent.x <= 0 || rect.extent.y <= 0)
        return;
    CoverTexts(rect.origin.x, rect.origin.y, int64_t(rect.origin.x) + rect.extent.x,
               int64_t(rect.origin.y) + rect.extent.y);
    PaintShape(rect.origin.x, rect.origin.y, int64_t(rect.origin.x) + rect.extent.x,
               int64_t(rect.origin.y) + rect.extent.y, 0, ShapeOp::Colour, colour);
}

void Window::Blit(Window* src, int32_t sx, int32_t sy, int32_t width, int32_t height, int32_t dx, int32_t dy,
                  uint32_t rop)
{
    ASSERT(src != NULL);
    if (rop == ROP_DEFAULT)
        rop = _defaultRop;
    ASSERT(IsKnownRop(rop) && "unsupported raster operation");
    Surface* source = src->GetDC();
    if (source == nullptr || _dc == nullptr)
        return;

    // Work in 64 bits so that no combination of arguments can overflow.
    int64_t sx64 = sx, sy64 = sy, dx64 = dx, dy64 = dy, w = width, h = height;
    int32_t cx0, cy0, cx1, cy1;
    ClipBounds(cx0, cy0, cx1, cy1);
    // Cut to the source surface, moving the destination along.
    if (sx64 < 0)
    {
        dx64 -= sx64;
        w += sx64;
        sx64 = 0;
    }
    if (sy64 < 0)
    {
        dy64 -= sy64;
        h += sy64;
        sy64 = 0;
    }
    w = std::min<int64_t>(w, source->GetWidth() - sx64);
    h = std::min<int64_t>(h, source->GetHeight() - sy64);
    // Cut to the destination's clip, moving the source along.
    if (dx64 < cx0)
    {
        sx64 += cx0 - dx64;
        w -= cx0 - dx64;
        dx64 = cx0;
    }
    if (dy64 < cy0)
    {
        sy64 += cy0 - dy64;
        h -= cy0 - dy64;
        dy64 = cy0;
    }
    w = std::min<int64_t>(w, cx1 - dx64);
    h = std::min<int64_t>(h, cy1 - dy64);
    if (w <= 0 || h <= 0)
        return;
    CarryTexts(*src, static_cast<int32_t>(sx64), static_cast<int32_t>(sy64), static_cast<int32_t>(w),
               static_cast<int32_t>(h), static_cast<int32_t>(dx64), static_cast<int32_t>(dy64), rop);

    const int32_t count = static_cast<int32_t>(w);
    const bool sameSurface = source == _dc;
    if (sameSurface && rop != SRCCOPY && dx64 > sx64 && dy64 == sy64)
    {
        // Row operations other than a copy read what they write: go through
        // a copy of the row when the source lies to the left on the same row.
        std::vector<uint32_t> buffer(count);
        for (int64_t row = 0; row < h; ++row)
        {
            const int32_t srcY = static_cast<int32_t>(sy64 + row);
            std::memcpy(buffer.data(), source->GetRow(srcY) + sx64, sizeof(uint32_t) * count);
            BlitRowApart(rop, buffer.data(), _dc->GetRow(static_cast<int32_t>(dy64 + row)) + dx64, count);
        }
        return;
    }
    // Overlapping rows are taken bottom-up when the destination lies lower.
    const bool upward = sameSurface && dy64 > sy64;
    for (int64_t i = 0; i < h; ++i)
    {
        const int64_t row = upward ? h - 1 - i : i;
        const uint32_t* from = source->GetRow(static_cast<int32_t>(sy64 + row)) + sx64;
        uint32_t* to = _dc->GetRow(static_cast<int32_t>(dy64 + row)) + dx64;
        if (sameSurface)
            BlitRowWithin(rop, from, to, count);
        else
            BlitRowApart(rop, from, to, count);
    }
}

void Window::Scroll(const Rect& rect, int32_t dx, int32_t dy)
{
    if (_dc == nullptr)
        return;
    int32_t cx0, cy0, cx1, cy1;
    ClipBounds(cx0, cy0, cx1, cy1);
    const int32_t x0 = std::max(rect.origin.x, cx0);
    const int32_t y0 = std::max(rect.origin.y, cy0);
    const int32_t x1 = static_cast<int32_t>(std::min<int64_t>(int64_t(rect.origin.x) + rect.extent.x, cx1));
    const int32_t y1 = static_cast<int32_t>(std::min<int64_t>(int64_t(rect.origin.y) + rect.extent.y, cy1));
    if (x0 >= x1 || y0 >= y1)
        return;
    const int64_t w = int64_t(x1) - x0;
    const int64_t h = int64_t(y1) - y0;
    // The strings in the rectangle go with the pixels; one pushed out of it
    // is gone.
    const int64_t moveX = dx != 0 && std::llabs(dx) < w ? dx : 0;
    const int64_t moveY = dy != 0 && std::llabs(dy) < h ? dy : 0;
    if (moveX != 0 || moveY != 0)
    {
        std::vector<DrawnText> kept;
        for (DrawnText& text : _texts)
        {
            const int64_t cx = int64_t(text.box.origin.x) + text.box.extent.x / 2;
            const int64_t cy = int64_t(text.box.origin.y) + text.box.extent.y / 2;
            if (cx >= x0 && cx < x1 && cy >= y0 && cy < y1)
            {
                if (cx + moveX < x0 || cx + moveX >= x1 || cy + moveY < y0 || cy + moveY >= y1)
                    continue;
                text.box.origin.x += static_cast<int32_t>(moveX);
                text.box.origin.y += static_cast<int32_t>(moveY);
            }
            kept.push_back(std::move(text));
        }
        _texts = std::move(kept);
    }
    if (dx != 0 && std::llabs(dx) < w)
    {
        const int32_t moved = static_cast<int32_t>(w - std::llabs(dx));
        for (int32_t y = y0; y < y1; ++y)
        {
            uint32_t* row = _dc->GetRow(y);
            if (dx > 0)
                std::memmove(row + x0 + dx, row + x0, sizeof(uint32_t) * moved);
            else
                std::memmove(row + x0, row + x0 - dx, sizeof(uint32_t) * moved);
        }
    }
    if (dy != 0 && std::llabs(dy) < h)
    {
        const int32_t moved = static_cast<int32_t>(h - std::llabs(dy));
        const size_t bytes = sizeof(uint32_t) * static_cast<size_t>(w);
        if (dy > 0)
        {
            for (int32_t i = moved - 1; i >= 0; --i)
                std::memmove(_dc->GetRow(y0 + dy + i) + x0, _dc->GetRow(y0 + i) + x0, bytes);
        }
        else
        {
            for (int32_t i = 0; i < moved; ++i)
                std::memmove(_dc->GetRow(y0 + i) + x0, _dc->GetRow(y0 - dy + i) + x0, bytes);
        }
    }
}

void Window::SetClip(int32_t x, int32_t y, int32_t width, int32_t height)
{
    _clip = Rect{{x, y}, {width, height}};
}

void Window::ReplaceBrush(Brush* brush)
{
    ASSERT(_brush != NULL);
    if (_ownsBrush)
        delete _brush;
    _brush = brush;
    _ownsBrush = true;
}

void Window::SetBrushColor(uint32_t colour)
{
    ReplaceBrush(new Brush(colour));
}

void Window::SetPatternBrush(const uint8_t pattern[8])
{
    ReplaceBrush(new Brush(pattern));
}

void Window::SetDefaultRop(uint32_t rop)
{
    ASSERT(IsKnownRop(rop) && "the default raster operation must be a real one");
    _defaultRop = rop;
}

void Window::DrawString(int32_t x, int32_t y, const char* text, uint32_t rop)
{
    ASSERT(_font);
    if (rop == ROP_DEFAULT)
        rop = _defaultRop;
    _font->DrawString(this, x, y, text, rop);
}

int32_t Window::TextWidth(const char* text)
{
    ASSERT(_font != NULL);
    return _font->TextWidth(text);
}

void Window::CoverTexts(int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    if (_texts.empty())
        return;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    int32_t cx0, cy0, cx1, cy1;
    ClipBounds(cx0, cy0, cx1, cy1);
    left = std::max<int64_t>(left, cx0);
    top = std::max<int64_t>(top, cy0);
    right = std::min<int64_t>(right, cx1);
    bottom = std::min<int64_t>(bottom, cy1);
    if (left >= right || top >= bottom)
        return;
    std::erase_if(_texts,
                  [&](const DrawnText& text)
                  {
                      const int64_t cx = int64_t(text.box.origin.x) + text.box.extent.x / 2;
                      const int64_t cy = int64_t(text.box.origin.y) + text.box.extent.y / 2;
                      return cx >= left && cx < right && cy >= top && cy < bottom;
                  });
}

void Window::AddText(DrawnText text)
{
    for (DrawnText& existing : _texts)
    {
        if (existing.box.origin == text.box.origin)
        {
            existing = std::move(text);
            return;
        }
    }
    if (_texts.size() >= MAX_DRAWN_TEXTS)
        _texts.erase(_texts.begin());
    _texts.push_back(std::move(text));
}

void Window::CarryTexts(const Window& source, int32_t sx, int32_t sy, int32_t width, int32_t height,
                        int32_t dx, int32_t dy, uint32_t rop)
{
    if (!_keepTexts)
        return;
    // What comes along is taken first: source and destination may be one window.
    std::vector<DrawnText> arriving;
    const bool carries = rop != BLACKNESS && rop != WHITENESS && rop != DSTINVERT;
    if (carries)
    {
        for (const DrawnText& text : source._texts)
        {
            const int64_t cx = int64_t(text.box.origin.x) + text.box.extent.x / 2;
            const int64_t cy = int64_t(text.box.origin.y) + text.box.extent.y / 2;
            if (cx < sx || cx >= int64_t(sx) + width || cy < sy || cy >= int64_t(sy) + height)
                continue;
            DrawnText moved = text;
            moved.box.origin.x += dx - sx;
            moved.box.origin.y += dy - sy;
            arriving.push_back(std::move(moved));
        }
    }
    // Operations that combine with what is there (masks) hide nothing.
    if (rop == SRCCOPY || rop == NOTSRCCOPY || rop == BLACKNESS || rop == WHITENESS)
        CoverTexts(dx, dy, int64_t(dx) + width, int64_t(dy) + height);
    for (DrawnText& text : arriving)
        AddText(std::move(text));
}

void Window::NoteText(const Rect& box, const char* text, const std::string& font, bool opaque)
{
    if (!_keepTexts || text == nullptr || *text == 0)
        return;
    if (opaque)
        CoverTexts(box.origin.x, box.origin.y, int64_t(box.origin.x) + box.extent.x,
                   int64_t(box.origin.y) + box.extent.y);
    AddText(DrawnText{box, text, font});
}

void Window::SetKeepsTexts(bool keep)
{
    _keepTexts = keep;
    if (!keep)
        _texts.clear();
}

Font* Window::SetFont(Font* font, bool owned)
{
    Font* previous = _font;
    bool deleted = false;
    if (_ownsFont && _font != nullptr)
    {
        delete _font;
        deleted = true;
    }
    _font = font;
    _ownsFont = font != nullptr && owned;
    return deleted ? nullptr : previous;
}
