// Fuzz target "dibfile": bytes as a bitmap file.
//
// A bitmap is either refused with a fatal error, after which it is an empty
// 0 x 0 image, or every pixel it claims can be read and copied.
#include "FuzzTarget.h"

#include "WinCE/Assert.h"
#include "WinCE/DIBFile.h"
#include "WinCE/Surface.h"

namespace
{
// Copying needs a surface as large as the image; larger images are only
// sampled, to keep the inputs per second high.
constexpr int64_t MAX_COPIED_PIXELS = 256 * 256;
} // namespace

void fuzz_targets::RunDibFile(const uint8_t* data, size_t size)
{
    DIBFile dib("fuzzed.bmp", data, size);
    const int32_t width = dib.GetWidth();
    const int32_t height = dib.GetHeight();
    ASSERT(width >= 0 && height >= 0 && "a bitmap of negative size");
    if (width == 0 || height == 0)
        return;
    ASSERT(int64_t(dib.GetStride()) * height <= int64_t(size) && "rows claimed beyond the file");
    // The corners and the middle, then every pixel of small images.
    const int32_t xs[] = {0, width / 2, width - 1};
    const int32_t ys[] = {0, height / 2, height - 1};
    for (int32_t y : ys)
        for (int32_t x : xs)
            dib.GetPixel(x, y);
    if (dib.GetBitsPerPixel() <= 8)
        for (int32_t i = 0; i < (1 << dib.GetBitsPerPixel()); ++i)
            dib.GetPaletteColor(i);
    if (int64_t(width) * height <= MAX_COPIED_PIXELS)
    {
        Surface surface(width, height);
        dib.CopyTo(surface);
    }
}
