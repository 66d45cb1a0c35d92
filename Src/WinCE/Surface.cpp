#include "WinCE/Surface.h"

#include "WinCE/Assert.h"

#include <algorithm>

Surface::Surface(int32_t width, int32_t height) : _width(width), _height(height), _stride(width)
{
    ASSERT(width >= 0 && height >= 0 && "surface sizes are never negative");
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    // Value-initialised: a new surface is black, like a fresh compatible bitmap.
    _pixels.reset(new uint32_t[count > 0 ? count : 1]());
}

uint32_t Surface::GetPixel(int32_t x, int32_t y) const
{
    ASSERT(x >= 0 && x < _width && y >= 0 && y < _height && "pixel outside the surface");
    return GetRow(y)[x];
}

void Surface::SetPixel(int32_t x, int32_t y, uint32_t colour)
{
    ASSERT(x >= 0 && x < _width && y >= 0 && y < _height && "pixel outside the surface");
    GetRow(y)[x] = colour;
}

void Surface::Clear(uint32_t colour)
{
    for (int32_t y = 0; y < _height; ++y)
        std::fill_n(GetRow(y), _width, colour);
}
