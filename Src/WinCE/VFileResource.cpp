#include "WinCE/VFileResource.h"

#include "Common/Compression/Compressor.h"
#include "WinCE/Assert.h"
#include "WinCE/VirtualFile.h"

#include <cstdlib>

namespace
{
uint32_t ReadLittle32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}
} // namespace

VFileResource::VFileResource(const char* name) : _buffer(nullptr), _size(0), _name(name ? name : "")
{
    ASSERT(name);
    VirtualFile file(name);
    if (!file.IsOpen())
    {
        Fail(nullptr);
        return;
    }
    _size = static_cast<int32_t>(file.GetSize());
    // An empty entry cannot hold any of the things the game loads.
    if (_size <= 0)
    {
        Fail("the entry is empty");
        return;
    }
    _buffer = new uint8_t[static_cast<size_t>(_size)];
    const int32_t bytesread = file.Read(_buffer, _size);
    if (bytesread != _size)
    {
        Fail("the data file could not be read");
        return;
    }

    if (_size > 8 && ReadLittle32(_buffer) == PACKED_ID)
    {
        const int32_t expected = static_cast<int32_t>(ReadLittle32(_buffer + 4));
        Compressor compressor(LZRW2_ID);
        int32_t unpackedSize = 0;
        uint8_t* unpacked = compressor.Decompress(_buffer, _size, &unpackedSize);
        if (!unpacked || unpackedSize != expected)
        {
            delete[] unpacked;
            Fail("the packed data is damaged");
            return;
        }
        delete[] _buffer;
        _buffer = unpacked;
        _size = unpackedSize;
    }
}

VFileResource::~VFileResource()
{
    delete[] _buffer;
}

void VFileResource::Fail(const char* reason)
{
    delete[] _buffer;
    _buffer = nullptr;
    _size = 0;
    std::string message = "VFileResource: Couldn't load file resource: " + _name;
    if (reason)
        message += std::string(" (") + reason + ")";
    FatalError(message.c_str());
}
