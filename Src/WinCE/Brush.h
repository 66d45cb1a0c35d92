// A fill brush: one solid colour or an 8 x 8 one-bit pattern.
//
// Windows fill rectangles with their current brush. A pattern brush repeats
// over the whole surface from its (0, 0), one byte per pattern row with the
// most significant bit leftmost; as with a monochrome pattern on a fresh
// device context, a clear bit paints in the text colour (black) and a set bit
// in the background colour (white).
#pragma once

#include <cstdint>

class Brush
{
public:
    explicit Brush(uint32_t colour);
    explicit Brush(const uint8_t pattern[8]);

    // The stock black brush every window starts with; never deleted.
    static Brush* StockBlack();

    bool IsSolid() const { return _solid; }
    uint32_t GetColor() const { return _colour; }

    // The brush's colour at a surface position.
    uint32_t ColorAt(int32_t x, int32_t y) const
    {
        if (_solid)
            return _colour;
        return (_pattern[y & 7] & (0x80 >> (x & 7))) ? PATTERN_SET : PATTERN_CLEAR;
    }

    // Paints the pixels x0 <= x < x1 of surface row y (row points at pixel 0).
    void FillSpan(uint32_t* row, int32_t x0, int32_t x1, int32_t y) const;

    static constexpr uint32_t PATTERN_CLEAR = 0x00000000;
    static constexpr uint32_t PATTERN_SET = 0x00FFFFFF;

private:
    bool _solid;
    uint32_t _colour;
    uint8_t _pattern[8];
};
