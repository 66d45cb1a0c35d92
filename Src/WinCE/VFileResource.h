// One whole entry of the data file in memory, unpacked when it was stored
// packed: how bitmaps, fonts and tables are loaded.
//
// An entry longer than 8 bytes whose first 32-bit little-endian word is the
// LZRW2 identifier (0x3D8F733A) is a packed block: the second word is the
// unpacked size, and the bytes are unpacked through the Compressor. Any other
// entry is kept as read.
//
// A missing entry is the fatal error "VFileResource: Couldn't load file
// resource: " + name; an empty entry or a packed one that does not unpack is
// the same message with the reason added.
#pragma once

#include <cstdint>
#include <string>

class VFileResource
{
public:
    explicit VFileResource(const char* name);
    virtual ~VFileResource();
    VFileResource(const VFileResource&) = delete;
    VFileResource& operator=(const VFileResource&) = delete;

    virtual const uint8_t* GetData() const { return _buffer; }
    virtual int32_t GetSize() const { return _size; }

    const std::string& GetName() const { return _name; }

    static constexpr uint32_t PACKED_ID = 0x3D8F733A;

private:
    void Fail(const char* reason);

    uint8_t* _buffer;
    int32_t _size;
    std::string _name;
};
