#include "MemoryFile.h"

#include "WinCE/Assert.h"

#include <algorithm>
#include <cstring>

MemoryFile::MemoryFile(const uint8_t* data, size_t size) : _data(data), _size(size)
{
    ASSERT(size < 0xFFFFFFFFu && "a file of the game's sizes fits 32 bits");
}

int32_t MemoryFile::Read(void* buffer, int32_t count)
{
    if (count <= 0 || _position >= int64_t(_size))
        return 0;
    const size_t got = std::min(size_t(count), _size - size_t(_position));
    std::memcpy(buffer, _data + _position, got);
    _position += int64_t(got);
    return int32_t(got);
}

int32_t MemoryFile::Write(const void*, int32_t)
{
    return 0;
}

int32_t MemoryFile::Seek(int32_t offset, int32_t origin)
{
    ASSERT((origin == FILE_BEGIN || origin == FILE_CURRENT || origin == FILE_END) && "unknown seek origin");
    const int64_t base = origin == FILE_BEGIN ? 0 : origin == FILE_CURRENT ? _position : int64_t(_size);
    const int64_t target = base + offset;
    if (target < 0 || target > INT32_MAX)
        return -1;
    _position = target;
    return int32_t(target);
}

uint32_t MemoryFile::GetSize()
{
    return uint32_t(_size);
}
