#include "WinCE/PngWriter.h"

#include "WinCE/Assert.h"
#include "WinCE/Surface.h"
#include "WinCE/Window.h"

#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace
{
void PutBigEndian(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value >> 24));
    out.push_back(static_cast<uint8_t>(value >> 16));
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data)
{
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    // The checksum covers the chunk type and its data.
    const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
    PutBigEndian(out, static_cast<uint32_t>(crc));
}
} // namespace

std::vector<uint8_t> PngWriter::Encode(const Surface& surface)
{
    const int32_t width = surface.GetWidth();
    const int32_t height = surface.GetHeight();

    // Scanlines: a filter byte (0, none) then red, green, blue per pixel.
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(height) * (1 + static_cast<size_t>(width) * 3));
    for (int32_t y = 0; y < height; ++y)
    {
        raw.push_back(0);
        const uint32_t* row = surface.GetRow(y);
        for (int32_t x = 0; x < width; ++x)
        {
            raw.push_back(static_cast<uint8_t>(row[x]));
            raw.push_back(static_cast<uint8_t>(row[x] >> 8));
            raw.push_back(static_cast<uint8_t>(row[x] >> 16));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    const int result = compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6);
    ASSERT(result == Z_OK && "compressing into a buffer of compressBound bytes cannot fail");
    packed.resize(packedSize);

    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header.push_back(8); // bits per sample
    header.push_back(2); // colour type: RGB
    header.push_back(0); // deflate
    header.push_back(0); // adaptive filtering
    header.push_back(0); // no interlace
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return out;
}

bool PngWriter::WriteFile(const Surface& surface, const std::string& path, std::string* error)
{
    const std::vector<uint8_t> bytes = Encode(surface);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
    {
        if (error)
            *error = "Couldn't create image file " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed)
    {
        if (error)
            *error = "Couldn't write image file " + path;
        std::remove(path.c_str());
        return false;
    }
    return true;
}

bool PngWriter::WriteFile(const Window& window, const std::string& path, std::string* error)
{
    ASSERT(window.GetDC() != NULL && "a window without a surface has nothing to save");
    return WriteFile(*window.GetDC(), path, error);
}
