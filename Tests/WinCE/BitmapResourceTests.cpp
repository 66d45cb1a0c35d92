// Bitmaps and fonts loaded by name from a data file: lazy loading, sharing,
// packed entries, the game's own font strips, and damaged entries refused by
// name.
#include "BmpBuilder.h"
#include "DrawingTestSupport.h"

#include "Common/Compression/Compressor.h"
#include "WinCE/Bitmap.h"
#include "WinCE/BitmapFont.h"
#include "WinCE/DataFileBuilder.h"
#include "WinCE/FileImageData.h"
#include "WinCE/MaskedBitmap.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/PngWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using bmp_test::MakeBmp;
using drawing_test::Picture;

namespace
{
using Entries = std::vector<std::pair<std::string, std::vector<uint8_t>>>;

// Four colours in a 2 x 2 checker of 3 x 2 pixel blocks: a 6 x 4 picture.
uint32_t Blocks(int32_t x, int32_t y)
{
    return uint32_t((x / 3) + 2 * (y / 2));
}

const std::vector<uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
const std::map<uint32_t, char> kLegend = {
    {RGB(255, 0, 0), 'r'}, {RGB(0, 255, 0), 'g'}, {RGB(0, 0, 255), 'b'}};

std::vector<uint8_t> Pack(const std::vector<uint8_t>& plain)
{
    Compressor lzrw2(LZRW2_ID);
    int32_t size = 0;
    std::unique_ptr<uint8_t[]> packed(lzrw2.Compress(plain.data(), int32_t(plain.size()), &size));
    return std::vector<uint8_t>(packed.get(), packed.get() + size);
}

std::vector<uint8_t> FontMetrics()
{
    // 'a' two pixels wide at x 0, 'b' one pixel at x 2; the default is 'b'.
    return {'a', 0, 2, 0, 'b', 0, 0, 0, 2, 0, 2, 0, 1, 0};
}

class BitmapResourceTest : public DataFileTest
{
protected:
    void SetUp() override
    {
        const std::vector<uint8_t> blocks = MakeBmp(6, 4, 8, kPalette, Blocks);
        const std::vector<uint8_t> mask =
            MakeBmp(6, 4, 1, {0x000000, 0xFFFFFF}, [](int32_t x, int32_t) { return uint32_t(x % 2); });
        Use(MakeDataFile({{"blocks.bmp", blocks},
                          {"packed.bmp", Pack(blocks)},
                          {"blocks_mask.bmp", mask},
                          {"small_mask.bmp", MakeBmp(5, 4, 1, {0, 0xFFFFFF}, Blocks)},
                          {"glyphs.bmp", MakeBmp(3, 2, 24, {}, [](int32_t, int32_t) { return 0u; })},
                          {"glyphs.fmc", FontMetrics()},
                          {"nometrics.bmp", blocks},
                          {"cut.bmp", std::vector<uint8_t>(blocks.begin(), blocks.end() - 5)},
                          {"tiny.bmp", std::vector<uint8_t>(blocks.begin(), blocks.begin() + 40)}}));
    }
};
using BitmapResourceDeathTest = BitmapResourceTest;
} // namespace

TEST_F(BitmapResourceTest, AFileBitmapKnowsItsSizeAndLoadsItsPixelsOnceOnFirstDraw)
{
    Bitmap whole("blocks.bmp");
    EXPECT_EQ((Rect{{0, 0}, {6, 4}}), whole.GetImgRect());
    auto* image = static_cast<FileImageData*>(whole.GetImageData());
    EXPECT_FALSE(image->IsLoaded()) << "pixels wait for the first draw";

    Bitmap red(whole, Rect{{3, 0}, {3, 2}});
    Bitmap blue(whole, 3, 2, 10, 10);
    const int32_t loadsBefore = FileImageData::GetLoadCount();
    OffscreenWindow target(6, 2);
    red.Draw(&target, 0, 0, SRCCOPY);
    blue.Draw(&target, 3, 0, ROP_DEFAULT);
    EXPECT_TRUE(image->IsLoaded());
    EXPECT_EQ(loadsBefore + 1, FileImageData::GetLoadCount()) << "pieces of one file load it once";
    EXPECT_EQ("rrrbbb\nrrrbbb\n", Picture(target, kLegend));
}

TEST_F(BitmapResourceTest, PackedEntriesDrawLikePlainOnes)
{
    Bitmap plain("blocks.bmp");
    Bitmap packed("packed.bmp");
    OffscreenWindow a(6, 4), b(6, 4);
    plain.Draw(&a, 0, 0, SRCCOPY);
    packed.Draw(&b, 0, 0, SRCCOPY);
    EXPECT_EQ("###rrr\n###rrr\ngggbbb\ngggbbb\n", Picture(a, kLegend));
    EXPECT_EQ(Picture(a, kLegend), Picture(b, kLegend));
}

TEST_F(BitmapResourceTest, MaskedFileBitmapsDrawThroughTheirMask)
{
    MaskedBitmap sprite("blocks.bmp", "blocks_mask.bmp");
    OffscreenWindow target(6, 4);
    target.GetDC()->Clear(COLOR_WHITE);
    sprite.Draw(&target, 0, 0, SRCCOPY);
    EXPECT_EQ("#.#.r.\n#.#.r.\ng.g.b.\ng.g.b.\n", Picture(target, kLegend));
}

TEST_F(BitmapResourceTest, FontsReadTheirMetricsFromTheEntryNamedAfterTheStrip)
{
    BitmapFont font("glyphs.bmp", 1);
    EXPECT_EQ(2, font.GetHeight());
    EXPECT_EQ(4, font.TextWidth("abz")) << "spacing is not measured";
    OffscreenWindow target(8, 2);
    target.GetDC()->Clear(COLOR_WHITE);
    font.DrawString(&target, 0, 0, "ab?", SRCCOPY);
    EXPECT_EQ("##.#.#..\n##.#.#..\n", Picture(target));
}

TEST_F(BitmapResourceDeathTest, MissingAndDamagedEntriesAreRefusedByName)
{
    EXPECT_EXIT(Bitmap("nope.bmp"), ::testing::ExitedWithCode(255),
                Literally("VFileResource: Couldn't load file resource: nope.bmp"));
    EXPECT_EXIT(Bitmap("Blocks.bmp"), ::testing::ExitedWithCode(255),
                Literally("VFileResource: Couldn't load file resource: Blocks.bmp"));
    EXPECT_EXIT(Bitmap("tiny.bmp"), ::testing::ExitedWithCode(255),
                Literally("Bad bitmap resource:tiny.bmp"));
    EXPECT_EXIT(Bitmap("cut.bmp"), ::testing::ExitedWithCode(255),
                Literally("Can't read bitmap bits:cut.bmp"));
    EXPECT_EXIT(MaskedBitmap("blocks.bmp", "small_mask.bmp"), ::testing::ExitedWithCode(255),
                Literally("Bitmap mask doesn't match its image size:small_mask.bmp"));
    EXPECT_EXIT(BitmapFont("nometrics.bmp", 0), ::testing::ExitedWithCode(255),
                Literally("Couldn't load font metrics: nometrics.fmc"));
}

namespace
{
std::vector<uint8_t> DataBytes(const std::string& relative)
{
    return ReadFile(std::string(SKYREACH_SOURCE_DIR) + "/Data/" + relative);
}
} // namespace

TEST_F(DataFileTest, TheGamesFontsMeasureWhatTheyDraw)
{
    // Every font strip of the game's data, with and without its mask.
    const char* fonts[] = {"font", "font_yellow", "font_pl2", "sr_Menu_font"};
    Entries entries;
    for (const char* font : fonts)
    {
        const std::string base = font;
        entries.push_back({base + ".bmp", DataBytes("Fonts/" + base + ".bmp")});
        entries.push_back({base + "_mask.bmp", DataBytes("Fonts/" + base + "_mask.bmp")});
        entries.push_back({base + ".fmc", DataBytes("Fonts/" + base + ".fmc")});
        ASSERT_FALSE(entries.back().second.empty()) << base;
    }
    Use(MakeDataFile(entries));

    const char* text = "Jet Warden 1959-2003: $1,234,567";
    OffscreenWindow sheet(240, 120);
    sheet.GetDC()->Clear(RGB(0, 60, 140));
    int32_t y = 2;
    for (const char* font : fonts)
    {
        const std::string base = font;
        BitmapFont plain((base + ".bmp").c_str(), 0);
        BitmapFont masked((base + ".bmp").c_str(), (base + "_mask.bmp").c_str(), 0);
        ASSERT_GT(plain.GetHeight(), 0) << base;
        EXPECT_EQ(plain.TextWidth(text), masked.TextWidth(text));

        // Drawn on a blank strip, the text's pixels end within its measured width.
        OffscreenWindow strip(240, int16_t(plain.GetHeight()));
        strip.GetDC()->Clear(RGB(0, 60, 140));
        masked.DrawString(&strip, 0, 0, text, SRCCOPY);
        int32_t rightmost = -1;
        for (int32_t py = 0; py < strip.GetHeight(); ++py)
            for (int32_t px = 0; px < strip.GetWidth(); ++px)
                if (strip.GetDC()->GetPixel(px, py) != RGB(0, 60, 140))
                    rightmost = std::max(rightmost, px);
        EXPECT_GE(rightmost, 0) << base << " drew nothing";
        EXPECT_LT(rightmost, masked.TextWidth(text)) << base;

        masked.DrawString(&sheet, 2, y, text, SRCCOPY);
        y += plain.GetHeight() + 2;
        plain.DrawString(&sheet, 2, y, text, SRCCOPY);
        y += plain.GetHeight() + 4;
    }
    // A picture for looking at, not a golden image.
    std::string error;
    EXPECT_TRUE(PngWriter::WriteFile(sheet, std::string(SKYREACH_BINARY_DIR) + "/fonts-sheet.png", &error))
        << error;
}
