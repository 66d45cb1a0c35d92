#include "BmpBuilder.h"

#include "WinCE/Assert.h"
#include "WinCE/DIBFile.h"
#include "WinCE/OffscreenWindow.h"

#include <gtest/gtest.h>

#include <csignal>

using bmp_test::MakeBmp;
using bmp_test::Put16;
using bmp_test::Put32;

namespace
{
// A colour as the bitmap stores it (0x00RRGGBB) turned into 0x00BBGGRR.
uint32_t Colour(uint32_t rgb)
{
    return RGB(rgb >> 16, rgb >> 8, rgb);
}

uint32_t Gradient(int32_t x, int32_t y)
{
    return uint32_t(x * 20) << 16 | uint32_t(y * 30) << 8 | uint32_t(x + y);
}

void ExpectSameAsGetPixel(const DIBFile& dib)
{
    OffscreenWindow w(static_cast<int16_t>(dib.GetWidth()), static_cast<int16_t>(dib.GetHeight()));
    dib.CopyTo(*w.GetDC());
    for (int32_t y = 0; y < dib.GetHeight(); ++y)
        for (int32_t x = 0; x < dib.GetWidth(); ++x)
            ASSERT_EQ(dib.GetPixel(x, y), w.GetDC()->GetPixel(x, y)) << x << "," << y;
}
} // namespace

TEST(DIBFile, StrideRoundsEachRowUpToFourBytes)
{
    EXPECT_EQ(12, DIBFile::StrideOf(10, 8));
    EXPECT_EQ(32, DIBFile::StrideOf(10, 24));
    EXPECT_EQ(4, DIBFile::StrideOf(10, 1));
    EXPECT_EQ(40, DIBFile::StrideOf(10, 32));
    EXPECT_EQ(8, DIBFile::StrideOf(33, 1));
    const std::vector<uint8_t> bytes = MakeBmp(10, 3, 8, {}, [](int32_t, int32_t) { return 0u; });
    const DIBFile dib("stride.bmp", bytes.data(), bytes.size());
    EXPECT_EQ(12, dib.GetStride());
    EXPECT_EQ(36, dib.GetImageSize());
}

TEST(DIBFile, ReadsTrueColourRowsBottomUp)
{
    for (int bpp : {24, 32})
    {
        const std::vector<uint8_t> bytes = MakeBmp(5, 4, bpp, {}, Gradient);
        const DIBFile dib("true.bmp", bytes.data(), bytes.size());
        ASSERT_EQ(5, dib.GetWidth());
        ASSERT_EQ(4, dib.GetHeight());
        EXPECT_EQ(bpp, dib.GetBitsPerPixel());
        for (int32_t y = 0; y < 4; ++y)
            for (int32_t x = 0; x < 5; ++x)
                EXPECT_EQ(Colour(Gradient(x, y)), dib.GetPixel(x, y)) << bpp << " bpp at " << x << "," << y;
        ExpectSameAsGetPixel(dib);
    }
    // The first stored row is the bottom one.
    const std::vector<uint8_t> bytes =
        MakeBmp(1, 2, 24, {}, [](int32_t, int32_t y) { return y ? 0xFF0000u : 0u; });
    EXPECT_EQ(0xFF, bytes[54 + 2]) << "bottom row (red) stored first";
    const DIBFile dib("rows.bmp", bytes.data(), bytes.size());
    EXPECT_EQ(RGB(0, 0, 0), dib.GetPixel(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), dib.GetPixel(0, 1));
}

TEST(DIBFile, EightBitPixelsGoThroughTheWholePalette)
{
    std::vector<uint32_t> palette(256);
    for (uint32_t i = 0; i < 256; ++i)
        palette[i] = (i << 16) | ((255 - i) << 8) | (i / 2);
    const std::vector<uint8_t> bytes =
        MakeBmp(16, 16, 8, palette, [](int32_t x, int32_t y) { return uint32_t(y * 16 + x); });
    const DIBFile dib("pal8.bmp", bytes.data(), bytes.size());
    EXPECT_EQ(Colour(palette[0]), dib.GetPixel(0, 0));
    EXPECT_EQ(Colour(palette[255]), dib.GetPixel(15, 15));
    EXPECT_EQ(Colour(palette[7 * 16 + 3]), dib.GetPixel(3, 7));
    EXPECT_EQ(Colour(palette[200]), dib.GetPaletteColor(200));
    ExpectSameAsGetPixel(dib);
}

TEST(DIBFile, OneBitPixelsSelectPaletteEntriesMostSignificantBitFirst)
{
    const std::vector<uint32_t> palette = {0x102030, 0xF0E0D0};
    auto pattern = [](int32_t x, int32_t y) { return uint32_t((x * 3 + y) % 5 == 0); };
    const std::vector<uint8_t> bytes = MakeBmp(19, 3, 1, palette, pattern);
    const DIBFile dib("mono.bmp", bytes.data(), bytes.size());
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 19; ++x)
            EXPECT_EQ(Colour(palette[pattern(x, y)]), dib.GetPixel(x, y)) << x << "," << y;
    ExpectSameAsGetPixel(dib);

    // The header may claim fewer colours; both entries are read all the same.
    std::vector<uint8_t> oneColour = bytes;
    Put32(oneColour, 46, 1);
    const DIBFile dib2("mono1.bmp", oneColour.data(), oneColour.size());
    EXPECT_EQ(Colour(palette[1]), dib2.GetPixel(0, 0));
}

namespace
{
void ExpectRefused(std::vector<uint8_t> bytes, const std::string& message)
{
    EXPECT_EXIT(DIBFile("sr_Broken.bmp", bytes.data(), bytes.size()), ::testing::ExitedWithCode(255),
                "Fatal error - press retry to debug: " + message + "sr_Broken\\.bmp");
}
} // namespace

TEST(DIBFileDeathTest, DamagedBitmapsAreRefusedByName)
{
    const std::vector<uint8_t> good = MakeBmp(10, 4, 8, {}, [](int32_t, int32_t) { return 0u; });

    ExpectRefused({}, "Bad bitmap resource:");
    ExpectRefused(std::vector<uint8_t>(good.begin(), good.begin() + 53), "Bad bitmap resource:");

    // The palette must be there in full: 54 + 4 * 256 bytes.
    ExpectRefused(std::vector<uint8_t>(good.begin(), good.begin() + 54 + 1023), "Can't read bitmap palette:");
    const std::vector<uint8_t> mono = MakeBmp(8, 1, 1, {0, 0xFFFFFF}, [](int32_t, int32_t) { return 0u; });
    ExpectRefused(std::vector<uint8_t>(mono.begin(), mono.begin() + 61), "Can't read bitmap palette:");

    // The rows must fit: offset + height * stride.
    ExpectRefused(std::vector<uint8_t>(good.begin(), good.end() - 1), "Can't read bitmap bits:");
    std::vector<uint8_t> farOffset = good;
    Put32(farOffset, 10, 0xFFFFFFF0u);
    ExpectRefused(farOffset, "Can't read bitmap bits:");
    std::vector<uint8_t> tall = good;
    Put32(tall, 22, 30000);
    ExpectRefused(tall, "Can't read bitmap bits:");

    // Header fields that cannot describe a drawable image.
    const std::pair<size_t, uint32_t> badFields[] = {
        {18, 0},           // width 0
        {18, 0xFFFFFFFFu}, // width -1
        {22, 0},           // height 0
        {22, 0xFFFFFFFCu}, // height -4 (top-down rows)
        {18, 40000},       // wider than an image can be
        {22, 0x7FFFFFFFu}, // taller than an image can be
        {30, 1},           // run-length packed rows
        {14, 12},          // information header too short
        {14, 5000},        // information header longer than the file
    };
    for (const auto& [at, value] : badFields)
    {
        std::vector<uint8_t> bytes = good;
        Put32(bytes, at, value);
        ExpectRefused(bytes, "Bad bitmap resource:");
    }
    for (uint16_t depth : {0, 2, 4, 16, 48})
    {
        std::vector<uint8_t> bytes = good;
        Put16(bytes, 28, depth);
        ExpectRefused(bytes, "Bad bitmap resource:");
    }
}

TEST(DIBFile, BitfieldsWithTheUsualMasksReadLikePlainRows)
{
    std::vector<uint8_t> bytes = MakeBmp(2, 2, 32, {}, Gradient);
    // Insert the three masks after the information header.
    const uint8_t masks[12] = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
    bytes.insert(bytes.begin() + 54, masks, masks + 12);
    Put32(bytes, 10, 66);
    Put32(bytes, 30, 3);
    const DIBFile dib("fields.bmp", bytes.data(), bytes.size());
    EXPECT_EQ(Colour(Gradient(1, 1)), dib.GetPixel(1, 1));
}

TEST(DIBFileDeathTest, BitfieldsInAnotherOrderAreRefused)
{
    std::vector<uint8_t> bytes = MakeBmp(2, 2, 32, {}, Gradient);
    const uint8_t masks[12] = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0};
    bytes.insert(bytes.begin() + 54, masks, masks + 12);
    Put32(bytes, 10, 66);
    Put32(bytes, 30, 3);
    ExpectRefused(bytes, "Bad bitmap resource:");
}

namespace
{
FailureAnswer RetryFatal(FailureKind kind, const char*, const char*)
{
    return kind == FailureKind::Fatal ? FailureAnswer::Retry : FailureAnswer::Abort;
}
} // namespace

TEST(DIBFile, ABitmapRefusedButCarriedOnWithIsEmpty)
{
    // A fatal error answered with Retry (with no debugger to break into)
    // returns: it leaves a 0 x 0 image, never a half-read one.
    FailureHandler previous = SetFailureHandler(RetryFatal);
    auto oldTrap = std::signal(SIGTRAP, SIG_IGN);
    const std::vector<uint8_t> good = MakeBmp(10, 4, 24, {}, Gradient);
    const std::vector<uint8_t> cut(good.begin(), good.end() - 1);
    DIBFile dib("cut.bmp", cut.data(), cut.size());
    SetFailureHandler(previous);
    std::signal(SIGTRAP, oldTrap);
    EXPECT_EQ(0, dib.GetWidth());
    EXPECT_EQ(0, dib.GetHeight());
    OffscreenWindow w(1, 1);
    dib.CopyTo(*w.GetDC());
}

TEST(DIBFileDeathTest, GetPixelOutsideTheImageIsOurBug)
{
    const std::vector<uint8_t> bytes = MakeBmp(3, 3, 24, {}, Gradient);
    const DIBFile dib("small.bmp", bytes.data(), bytes.size());
    EXPECT_DEATH(dib.GetPixel(3, 0), "Assertion");
    EXPECT_DEATH(dib.GetPixel(0, -1), "Assertion");
}

namespace
{
int s_fatals = 0;
FailureAnswer CountFatal(FailureKind kind, const char*, const char*)
{
    if (kind != FailureKind::Fatal)
        return FailureAnswer::Abort;
    ++s_fatals;
    return FailureAnswer::Retry;
}

// Reads a possibly damaged file and, when it was accepted, every pixel of it.
void ReadAll(const std::vector<uint8_t>& bytes)
{
    DIBFile dib("sweep.bmp", bytes.data(), bytes.size());
    if (dib.GetWidth() == 0)
        return;
    OffscreenWindow w(static_cast<int16_t>(dib.GetWidth()), static_cast<int16_t>(dib.GetHeight()));
    dib.CopyTo(*w.GetDC());
    uint32_t sum = 0;
    for (int32_t y = 0; y < dib.GetHeight(); ++y)
        for (int32_t x = 0; x < dib.GetWidth(); ++x)
            sum += dib.GetPixel(x, y);
    (void)sum;
}
} // namespace

TEST(DIBFile, NoTruncationOrHeaderDamageReadsOutsideTheFile)
{
    // Every damaged variant is either refused (a fatal error, answered here
    // with Retry so the sweep goes on) or read in full within its bytes; the
    // address sanitizer build checks the "within".
    FailureHandler previous = SetFailureHandler(CountFatal);
    auto oldTrap = std::signal(SIGTRAP, SIG_IGN);
    s_fatals = 0;
    int variants = 0;
    for (int bpp : {1, 8, 24, 32})
    {
        const std::vector<uint8_t> good = MakeBmp(9, 5, bpp, {0x112233, 0x445566}, Gradient);
        for (size_t length = 0; length < good.size(); ++length, ++variants)
            ReadAll(std::vector<uint8_t>(good.begin(), good.begin() + length));
        for (size_t at = 0; at < 54; ++at)
        {
            for (uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF})
            {
                std::vector<uint8_t> bytes = good;
                bytes[at] = value;
                ReadAll(bytes);
                ++variants;
            }
        }
    }
    std::signal(SIGTRAP, oldTrap);
    SetFailureHandler(previous);
    // Every cut-short file was refused, and some of the header damage too.
    EXPECT_GT(s_fatals, variants / 3);
    EXPECT_LT(s_fatals, variants);
}
