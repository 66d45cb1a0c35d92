#include "WinCE/DIBFile.h"

#include "WinCE/Assert.h"
#include "WinCE/Surface.h"

#include "WinCE/VFileResource.h"

#include <cstring>

namespace
{
constexpr size_t FILE_HEADER_SIZE = 14;
constexpr size_t INFO_HEADER_SIZE = 40;
constexpr size_t HEADERS_SIZE = FILE_HEADER_SIZE + INFO_HEADER_SIZE;

// Compression kinds of the information header that store plain rows.
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_BITFIELDS = 3;

// The largest side an image may have: image sizes are kept as 16-bit values.
constexpr int32_t MAX_SIDE = 32767;

uint32_t Read32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t Read16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

// Blue, green, red bytes as a 0x00BBGGRR colour.
uint32_t FromBgr(const uint8_t* p)
{
    return uint32_t(p[2]) | uint32_t(p[1]) << 8 | uint32_t(p[0]) << 16;
}
} // namespace

int32_t DIBFile::StrideOf(int32_t width, int32_t bpp)
{
    return static_cast<int32_t>(((int64_t(width) * bpp + 31) / 32) * 4);
}

DIBFile::DIBFile(const char* name) : _name(name ? name : "")
{
    ASSERT(name != NULL && "a bitmap needs a resource name");
    _resource = std::make_unique<VFileResource>(name);
    const uint8_t* data = _resource->GetData();
    const int32_t size = _resource->GetSize();
    Parse(data, data != nullptr && size > 0 ? static_cast<size_t>(size) : 0);
}

DIBFile::DIBFile(const char* name, const uint8_t* data, size_t size)
    : _name(name ? name : ""), _copy(data, data + (data ? size : 0))
{
    Parse(_copy.data(), _copy.size());
}

DIBFile::~DIBFile() = default;

void DIBFile::Fail(const char* what)
{
    _width = _height = _bpp = _stride = _imageSize = 0;
    _bits = nullptr;
    _palette.clear();
    const std::string message = what + _name;
    FatalError(message.c_str());
}

void DIBFile::Parse(const uint8_t* data, size_t size)
{
    if (data == nullptr || size < HEADERS_SIZE)
    {
        Fail("Bad bitmap resource:");
        return;
    }
    std::memcpy(_header, data + FILE_HEADER_SIZE, INFO_HEADER_SIZE);
    const uint32_t headerSize = Read32(_header);
    const int32_t width = static_cast<int32_t>(Read32(_header + 4));
    const int32_t height = static_cast<int32_t>(Read32(_header + 8));
    const int32_t bpp = Read16(_header + 14);
    const uint32_t compression = Read32(_header + 16);
    const uint32_t bitsOffset = Read32(data + 10);

    // Sizes the image cannot have, depths we cannot draw and packed row
    // formats would all be misread: refuse them by name. Rows stored top
    // first (a negative height) are not used by the game's files either.
    const bool depthOk = bpp == 1 || bpp == 8 || bpp == 24 || bpp == 32;
    const bool compressionOk = compression == BI_RGB || (compression == BI_BITFIELDS && bpp == 32);
    if (width <= 0 || height <= 0 || width > MAX_SIDE || height > MAX_SIDE || !depthOk || !compressionOk ||
        headerSize < INFO_HEADER_SIZE || headerSize > size - FILE_HEADER_SIZE)
    {
        Fail("Bad bitmap resource:");
        return;
    }
    if (compression == BI_BITFIELDS)
    {
        // Only the usual red, green, blue masks mean "blue, green, red bytes".
        const size_t masksAt = FILE_HEADER_SIZE + headerSize;
        const bool inHeader = headerSize >= 52;
        const size_t at = inHeader ? FILE_HEADER_SIZE + 40 : masksAt;
        if (at + 12 > size || Read32(data + at) != 0x00FF0000 || Read32(data + at + 4) != 0x0000FF00 ||
            Read32(data + at + 8) != 0x000000FF)
        {
            Fail("Bad bitmap resource:");
            return;
        }
    }

    if (bpp <= 8)
    {
        // Always 2^bpp entries, right after the information header.
        const size_t entries = size_t(1) << bpp;
        const size_t paletteAt = FILE_HEADER_SIZE + headerSize;
        if (size < paletteAt + 4 * entries)
        {
            Fail("Can't read bitmap palette:");
            return;
        }
        _palette.resize(entries);
        for (size_t i = 0; i < entries; ++i)
            _palette[i] = FromBgr(data + paletteAt + 4 * i);
    }

    const int64_t stride = StrideOf(width, bpp);
    const int64_t imageSize = stride * height;
    if (int64_t(bitsOffset) + imageSize > int64_t(size))
    {
        Fail("Can't read bitmap bits:");
        return;
    }
    _width = width;
    _height = height;
    _bpp = bpp;
    _stride = static_cast<int32_t>(stride);
    _imageSize = static_cast<int32_t>(imageSize);
    _bits = data + bitsOffset;
}

uint32_t DIBFile::GetPaletteColor(int32_t index) const
{
    ASSERT(index >= 0 && size_t(index) < _palette.size() && "palette index out of range");
    return _palette[index];
}

uint32_t DIBFile::GetPixel(int32_t x, int32_t y) const
{
    ASSERT(x >= 0 && x < _width && y >= 0 && y < _height);
    const uint8_t* row = _bits + size_t(_height - 1 - y) * _stride;
    switch (_bpp)
    {
    case 24:
        return FromBgr(row + 3 * x);
    case 32:
        return FromBgr(row + 4 * x);
    case 8:
        return _palette[row[x]];
    case 1:
        return _palette[(row[x / 8] & (0x80 >> (x % 8))) ? 1 : 0];
    default:
        ASSERT(false && "DIBFile: Unsupported color depth");
        return 0;
    }
}

void DIBFile::CopyTo(Surface& surface) const
{
    ASSERT(surface.GetWidth() >= _width && surface.GetHeight() >= _height &&
           "surface too small for the image");
    for (int32_t y = 0; y < _height; ++y)
    {
        const uint8_t* in = _bits + size_t(_height - 1 - y) * _stride;
        uint32_t* out = surface.GetRow(y);
        switch (_bpp)
        {
        case 32:
            for (int32_t x = 0; x < _width; ++x, in += 4)
                out[x] = uint32_t(in[2]) | uint32_t(in[1]) << 8 | uint32_t(in[0]) << 16;
            break;
        case 24:
            for (int32_t x = 0; x < _width; ++x, in += 3)
                out[x] = uint32_t(in[2]) | uint32_t(in[1]) << 8 | uint32_t(in[0]) << 16;
            break;
        case 8:
            for (int32_t x = 0; x < _width; ++x)
                out[x] = _palette[in[x]];
            break;
        case 1:
            for (int32_t x = 0; x < _width; ++x)
                out[x] = _palette[(in[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        default:
            ASSERT(false && "DIBFile: Unsupported color depth");
            return;
        }
    }
}
