#include "DrawingTestSupport.h"

#include "WinCE/Bitmap.h"
#include "WinCE/BitmapFont.h"
#include "WinCE/MaskedBitmap.h"
#include "WinCE/OffscreenWindow.h"

#include <gtest/gtest.h>

using drawing_test::Paint;
using drawing_test::Picture;

namespace
{
// Metrics bytes: fc, nc, ic, then (x, width) per character.
std::vector<uint8_t> Metrics(uint16_t fc, uint16_t ic,
                             const std::vector<std::pair<uint16_t, uint8_t>>& records)
{
    std::vector<uint8_t> out;
    auto put16 = [&out](uint16_t v)
    {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    };
    put16(fc);
    put16(static_cast<uint16_t>(records.size()));
    put16(ic);
    for (const auto& [x, width] : records)
    {
        put16(x);
        out.push_back(width);
        out.push_back(0xEE); // unused
    }
    return out;
}

// A strip of three glyphs for 'A' (2 wide), 'B' (1 wide) and 'C' (3 wide),
// 'D' has no glyph (width 255); the default character is 'B'.
//   AA B CCC
OffscreenWindow* Strip()
{
    auto* w = new OffscreenWindow(6, 2);
    Paint(*w, "##.###\n"
              "#.#.#.\n");
    return w;
}

std::vector<uint8_t> StripMetrics(uint16_t fc = 'A', uint16_t ic = 'B')
{
    return Metrics(fc, ic, {{0, 2}, {2, 1}, {3, 3}, {0, 255}});
}
} // namespace

TEST(BitmapFont, MetricsNameIsTheStripNameUpToTheFirstDot)
{
    EXPECT_EQ("sr_Menu_font.fmc", BitmapFont::MetricsName("sr_Menu_font.bmp"));
    EXPECT_EQ("font.fmc", BitmapFont::MetricsName("font"));
    EXPECT_EQ("a.fmc", BitmapFont::MetricsName("a.b.bmp"));
}

TEST(BitmapFont, LooksUpGlyphsAndFallsBackToTheDefaultCharacter)
{
    const std::vector<uint8_t> metrics = StripMetrics();
    BitmapFont font(new Bitmap(Strip()), metrics.data(), metrics.size(), "strip.fmc", 0);
    EXPECT_EQ(2, font.GetHeight());
    EXPECT_TRUE(font.IsValid('A'));
    EXPECT_TRUE(font.IsValid('C'));
    EXPECT_FALSE(font.IsValid('D')) << "width 255 means no glyph";
    EXPECT_FALSE(font.IsValid('@')) << "below the first character";
    EXPECT_FALSE(font.IsValid('E')) << "past the last character";
    EXPECT_FALSE(font.IsValid('\xC1'));

    EXPECT_EQ(0, font.TextWidth(""));
    EXPECT_EQ(6, font.TextWidth("ABC"));
    // Unknown characters measure as the default 'B'.
    EXPECT_EQ(3, font.TextWidth("xD\xC1"));

    OffscreenWindow target(9, 2);
    target.GetDC()->Clear(COLOR_WHITE);
    target.SetFont(&font, false);
    target.DrawString(0, 0, "CAzB", ROP_DEFAULT);
    // C, A, then 'z' and 'B' both drawn as B.
    EXPECT_EQ("#####....\n"
              ".#.#.##..\n",
              Picture(target));
    target.SetFont(nullptr, false);
}

TEST(BitmapFont, DrawCharReturnsTheNextXWithSpacing)
{
    const std::vector<uint8_t> metrics = StripMetrics();
    BitmapFont spaced(new Bitmap(Strip()), metrics.data(), metrics.size(), "strip.fmc", 2);
    OffscreenWindow target(12, 2);
    target.GetDC()->Clear(COLOR_WHITE);
    EXPECT_EQ(5, spaced.DrawChar('C', 0, 0, &target, SRCCOPY));
    EXPECT_EQ(9, spaced.DrawChar('A', 5, 0, &target, SRCCOPY));
    EXPECT_EQ(12, spaced.DrawChar('?', 9, 0, &target, SRCCOPY));
    EXPECT_EQ("###..##.....\n"
              ".#...#...#..\n",
              Picture(target));
    // Spacing is not part of the measured width.
    EXPECT_EQ(6, spaced.TextWidth("CA?"));
    // The returned x is a 16-bit value.
    EXPECT_EQ(static_cast<int16_t>(32767 + 3), spaced.DrawChar('A', 32767 - 1, 0, &target, SRCCOPY));

    // With spacing 0 a string ends at the start plus its width.
    BitmapFont tight(new Bitmap(Strip()), metrics.data(), metrics.size(), "strip.fmc", 0);
    int32_t x = 1;
    for (const char* p = "ABCAB"; *p; ++p)
        x = tight.DrawChar(*p, x, 0, &target, SRCCOPY);
    EXPECT_EQ(1 + tight.TextWidth("ABCAB"), x);
}

TEST(BitmapFont, OnlyTheLowByteOfTheFirstCharacterMatters)
{
    const std::vector<uint8_t> metrics = StripMetrics(0x0141, 0x4142);
    BitmapFont font(new Bitmap(Strip()), metrics.data(), metrics.size(), "strip.fmc", 0);
    EXPECT_TRUE(font.IsValid('A'));
    EXPECT_EQ(1, font.TextWidth("z")) << "default character 0x42 from the low byte of 0x4142";
}

TEST(BitmapFont, ADefaultCharacterWithoutAGlyphDrawsNothing)
{
    const std::vector<uint8_t> metrics = StripMetrics('A', 'D');
    BitmapFont font(new Bitmap(Strip()), metrics.data(), metrics.size(), "strip.fmc", 1);
    OffscreenWindow target(4, 2);
    target.GetDC()->Clear(COLOR_WHITE);
    EXPECT_EQ(3, font.DrawChar('z', 3, 0, &target, SRCCOPY));
    EXPECT_EQ(0, font.TextWidth("zz"));
    EXPECT_EQ("....\n....\n", Picture(target));
}

TEST(BitmapFont, MaskedStripsDrawTransparently)
{
    auto* mask = new OffscreenWindow(6, 2);
    Paint(*mask, "##.###\n"
                 "#.#.#.\n");
    auto* strip = new OffscreenWindow(6, 2);
    strip->GetDC()->Clear(RGB(255, 0, 0));
    const std::vector<uint8_t> metrics = StripMetrics();
    BitmapFont font(new MaskedBitmap(strip, mask), metrics.data(), metrics.size(), "strip.fmc", 0);
    OffscreenWindow target(3, 2);
    target.GetDC()->Clear(RGB(0, 0, 255));
    font.DrawString(&target, 0, 0, "C", SRCCOPY);
    EXPECT_EQ("rrr\nbrb\n", Picture(target, {{RGB(255, 0, 0), 'r'}, {RGB(0, 0, 255), 'b'}}));
}

TEST(BitmapFontDeathTest, ShortMetricsAreRefusedByName)
{
    const std::vector<uint8_t> metrics = StripMetrics();
    for (size_t size : {size_t(0), size_t(5), metrics.size() - 1})
    {
        EXPECT_EXIT(BitmapFont(new Bitmap(Strip()), metrics.data(), size, "font_pl2.fmc", 0),
                    ::testing::ExitedWithCode(255), "Bad font metrics: font_pl2\\.fmc")
            << size;
    }
}
