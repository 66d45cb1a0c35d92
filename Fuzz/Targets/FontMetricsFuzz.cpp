// Fuzz target "fontmetrics": bytes as a font's ".fmc" metrics entry.
//
// Metrics are either refused with a fatal error, leaving a font that draws
// nothing, or every character can be measured and drawn, whatever x offsets
// and widths the records give: glyphs outside the strip are clipped.
#include "FuzzTarget.h"

#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/BitmapFont.h"
#include "WinCE/Color.h"
#include "WinCE/OffscreenWindow.h"

#include <string>

namespace
{
constexpr int16_t STRIP_WIDTH = 96;
constexpr int16_t STRIP_HEIGHT = 8;
constexpr int16_t TARGET_WIDTH = 240;
} // namespace

void fuzz_targets::RunFontMetrics(const uint8_t* data, size_t size)
{
    Bitmap* strip = new Bitmap(new OffscreenWindow(STRIP_WIDTH, STRIP_HEIGHT));
    BitmapFont font(strip, data, size, "fuzzed.fmc", 1);
    ASSERT(font.GetHeight() == STRIP_HEIGHT && "the font is as high as its strip");

    // Every character code once, as the game's texts could hold any of them.
    std::string all;
    for (int c = 1; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    const int32_t width = font.TextWidth(all.c_str());
    ASSERT(width >= 0 && width <= 255 * 255 && "a text wider than its glyphs allow");

    OffscreenWindow target(TARGET_WIDTH, STRIP_HEIGHT);
    font.DrawString(&target, 0, 0, all.c_str(), ROP_DEFAULT);
    font.DrawString(&target, -100, 0, "negative start", ROP_DEFAULT);
    for (int c = 0; c < 256; ++c)
        font.DrawChar(static_cast<char>(c), TARGET_WIDTH - 4, 0, &target, ROP_DEFAULT);
}
