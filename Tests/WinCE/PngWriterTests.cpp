#include "WinCE/OffscreenWindow.h"
#include "WinCE/PngWriter.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace
{
uint32_t BigEndian(const std::vector<uint8_t>& bytes, size_t at)
{
    return (uint32_t(bytes[at]) << 24) | (uint32_t(bytes[at + 1]) << 16) | (uint32_t(bytes[at + 2]) << 8) |
           bytes[at + 3];
}
} // namespace

TEST(PngWriter, WritesRgbRowsTopFirstWithValidChunks)
{
    OffscreenWindow w(3, 2);
    w.GetDC()->SetPixel(0, 0, RGB(255, 0, 0));
    w.GetDC()->SetPixel(1, 0, RGB(0, 255, 0));
    w.GetDC()->SetPixel(2, 0, RGB(0, 0, 255));
    w.GetDC()->SetPixel(0, 1, RGB(1, 2, 3));
    const std::vector<uint8_t> png = PngWriter::Encode(*w.GetDC());

    const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), 8u);
    EXPECT_TRUE(std::equal(signature, signature + 8, png.begin()));

    // Walk the chunks, checking each checksum, and collect the image data.
    size_t at = 8;
    std::vector<std::string> types;
    std::vector<uint8_t> idat;
    while (at + 12 <= png.size())
    {
        const uint32_t length = BigEndian(png, at);
        const std::string type(png.begin() + at + 4, png.begin() + at + 8);
        types.push_back(type);
        ASSERT_LE(at + 12 + length, png.size());
        const uLong crc = crc32(0L, png.data() + at + 4, length + 4);
        EXPECT_EQ(crc, BigEndian(png, at + 8 + length)) << type;
        if (type == "IHDR")
        {
            EXPECT_EQ(3u, BigEndian(png, at + 8));
            EXPECT_EQ(2u, BigEndian(png, at + 12));
            EXPECT_EQ(8, png[at + 16]);
            EXPECT_EQ(2, png[at + 17]);
        }
        if (type == "IDAT")
            idat.insert(idat.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
        at += 12 + length;
    }
    EXPECT_EQ(png.size(), at);
    EXPECT_EQ((std::vector<std::string>{"IHDR", "IDAT", "IEND"}), types);

    std::vector<uint8_t> raw(2 * (1 + 3 * 3));
    uLongf rawSize = raw.size();
    ASSERT_EQ(Z_OK, uncompress(raw.data(), &rawSize, idat.data(), idat.size()));
    EXPECT_EQ(raw.size(), rawSize);
    EXPECT_EQ((std::vector<uint8_t>{0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 1, 2, 3, 0, 0, 0, 0, 0, 0}), raw);
}

TEST(PngWriter, WritesFilesAndNamesTheFileWhenItCannot)
{
    OffscreenWindow w(2, 2);
    const std::string path = std::string(SKYREACH_BINARY_DIR) + "/png_writer_test.png";
    std::string error;
    ASSERT_TRUE(PngWriter::WriteFile(w, path, &error)) << error;
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> written((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
    EXPECT_EQ(PngWriter::Encode(*w.GetDC()), written);
    std::remove(path.c_str());

    const std::string bad = std::string(SKYREACH_BINARY_DIR) + "/no/such/folder/shot.png";
    EXPECT_FALSE(PngWriter::WriteFile(w, bad, &error));
    EXPECT_NE(std::string::npos, error.find(bad)) << error;

    // An empty surface still makes a well-formed (if empty) image.
    OffscreenWindow empty(0, 0);
    EXPECT_GT(PngWriter::Encode(*empty.GetDC()).size(), 40u);
}
