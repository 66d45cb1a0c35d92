#include "WinCE/Brush.h"

#include <algorithm>
#include <cstring>

Brush::Brush(uint32_t colour) : _solid(true), _colour(colour), _pattern{} {}

Brush::Brush(const uint8_t pattern[8]) : _solid(false), _colour(0)
{
    std::memcpy(_pattern, pattern, sizeof _pattern);
}

Brush* Brush::StockBlack()
{
    static Brush s_black(0x00000000u);
    return &s_black;
}

void Brush::FillSpan(uint32_t* row, int32_t x0, int32_t x1, int32_t y) const
{
    if (x1 <= x0)
        return;
    if (_solid)
    {
        std::fill(row + x0, row + x1, _colour);
        return;
    }
    const uint8_t bits = _pattern[y & 7];
    for (int32_t x = x0; x < x1; ++x)
        row[x] = (bits & (0x80 >> (x & 7))) ? PATTERN_SET : PATTERN_CLEAR;
}
