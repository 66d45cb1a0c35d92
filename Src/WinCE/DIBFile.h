// DIBFile: one device-independent bitmap file read into memory.
//
// Every image of the game is a bitmap file in the data file (plain or packed,
// unpacked by VFileResource). A DIBFile checks the file against its size and
// keeps the pixel rows as stored, so that GetPixel and CopyTo can read them:
// - file header (14 bytes): only the pixel-data offset at byte 10 is used;
// - information header: width at +4, height at +8, bits per pixel at +14,
//   compression at +16; rows are stored bottom row first;
// - palette (1 and 8 bits per pixel): always 2^bpp entries of blue, green,
//   red, unused, right after the information header, whatever the header's
//   colour count says;
// - rows of ((width * bpp + 31) / 32) * 4 bytes at the pixel-data offset.
// Depths 1, 8, 24 and 32 are supported.
//
// A damaged bitmap never crashes: every field is checked against the
// resource's size before use, and a bad one is a fatal error naming the
// resource ("Bad bitmap resource:", "Can't read bitmap palette:", "Can't read
// bitmap bits:"). Should the fatal error be answered with Retry, the DIBFile
// is left as an empty 0 x 0 image.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Surface;
class VFileResource;

class DIBFile
{
public:
    // Loads the named resource from the data file.
    explicit DIBFile(const char* name);
    // Reads a bitmap file held in memory; the name is used in messages only.
    DIBFile(const char* name, const uint8_t* data, size_t size);
    ~DIBFile();

    DIBFile(const DIBFile&) = delete;
    DIBFile& operator=(const DIBFile&) = delete;

    // The colour (0x00BBGGRR) of a pixel; (0, 0) is the top-left one.
    uint32_t GetPixel(int32_t x, int32_t y) const;

    // Writes all pixels into the top-left corner of the surface, which must be
    // at least as large as the image.
    void CopyTo(Surface& surface) const;

    const std::string& GetName() const { return _name; }
    int32_t GetWidth() const { return _width; }
    int32_t GetHeight() const { return _height; }
    int32_t GetBitsPerPixel() const { return _bpp; }
    // Bytes from the start of one stored row to the next.
    int32_t GetStride() const { return _stride; }
    // Bytes of all stored rows.
    int32_t GetImageSize() const { return _imageSize; }
    // Palette entry i as a colour; only for depths of 8 bits or less.
    uint32_t GetPaletteColor(int32_t index) const;

    // The bytes of a row, bottom row first as stored.
    static int32_t StrideOf(int32_t width, int32_t bpp);

private:
    void Parse(const uint8_t* data, size_t size);
    void Fail(const char* what);

    std::string _name;
    // The bytes the image is read from: the loaded resource or a copy.
    std::unique_ptr<VFileResource> _resource;
    std::vector<uint8_t> _copy;
    // The 40-byte information header as stored.
    uint8_t _header[40] = {};
    // Palette entries converted to colours (1 and 8 bits per pixel).
    std::vector<uint32_t> _palette;
    const uint8_t* _bits = nullptr;
    int32_t _width = 0;
    int32_t _height = 0;
    int32_t _bpp = 0;
    int32_t _stride = 0;
    int32_t _imageSize = 0;
};
