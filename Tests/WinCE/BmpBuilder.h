// Builds bitmap files in memory for tests: a 14-byte file header, a 40-byte
// information header, the palette (2^bpp entries for 1 and 8 bits), then the
// rows bottom row first with each row padded to four bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace bmp_test
{
inline void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

inline void Put16(std::vector<uint8_t>& out, size_t at, uint16_t v)
{
    out[at] = static_cast<uint8_t>(v);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
}

// `value(x, y)` gives the stored value of a pixel, (0, 0) top-left: a palette
// index for 1 and 8 bits, 0x00RRGGBB for 24 and 32 bits. `palette` holds
// 0x00RRGGBB entries.
inline std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, int bpp,
                                    const std::vector<uint32_t>& palette,
                                    const std::function<uint32_t(int32_t, int32_t)>& value)
{
    const size_t entries = bpp <= 8 ? (size_t(1) << bpp) : 0;
    const size_t stride = ((size_t(width) * bpp + 31) / 32) * 4;
    const size_t bitsAt = 54 + 4 * entries;
    std::vector<uint8_t> out(bitsAt + stride * height, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(out.size()));
    Put32(out, 10, static_cast<uint32_t>(bitsAt));
    Put32(out, 14, 40);
    Put32(out, 18, static_cast<uint32_t>(width));
    Put32(out, 22, static_cast<uint32_t>(height));
    Put16(out, 26, 1);
    Put16(out, 28, static_cast<uint16_t>(bpp));
    Put32(out, 34, static_cast<uint32_t>(stride * height));
    Put32(out, 46, static_cast<uint32_t>(palette.size()));
    for (size_t i = 0; i < palette.size() && i < entries; ++i)
        Put32(out, 54 + 4 * i, palette[i]);
    for (int32_t y = 0; y < height; ++y)
    {
        uint8_t* row = out.data() + bitsAt + stride * (height - 1 - y);
        for (int32_t x = 0; x < width; ++x)
        {
            const uint32_t v = value(x, y);
            switch (bpp)
            {
            case 1:
                if (v & 1)
                    row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
                break;
            case 8:
                row[x] = static_cast<uint8_t>(v);
                break;
            case 24:
                row[3 * x] = static_cast<uint8_t>(v);
                row[3 * x + 1] = static_cast<uint8_t>(v >> 8);
                row[3 * x + 2] = static_cast<uint8_t>(v >> 16);
                break;
            case 32:
                row[4 * x] = static_cast<uint8_t>(v);
                row[4 * x + 1] = static_cast<uint8_t>(v >> 8);
                row[4 * x + 2] = static_cast<uint8_t>(v >> 16);
                row[4 * x + 3] = 0xA5; // the unused byte is ignored
                break;
            }
        }
    }
    return out;
}
} // namespace bmp_test
