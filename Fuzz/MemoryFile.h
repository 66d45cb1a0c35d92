// MemoryFile: bytes in memory read like a file, so that readers written
// against FileBase (the data-file index) can be fed fuzzed input without a
// trip through the file system.
#pragma once

#include "WinCE/FileBase.h"

#include <cstddef>
#include <cstdint>

class MemoryFile : public FileBase
{
public:
    // The bytes are not copied; they must outlive the object.
    MemoryFile(const uint8_t* data, size_t size);

    int32_t Read(void* buffer, int32_t count) override;
    // Always 0: the bytes are read-only.
    int32_t Write(const void* buffer, int32_t count) override;
    // Positions before the start are refused (-1) and leave the position as
    // it was; positions past the end are allowed and read nothing, as with a
    // native file.
    int32_t Seek(int32_t offset, int32_t origin) override;
    uint32_t GetSize() override;
    bool IsOpen() const override { return true; }

private:
    const uint8_t* _data;
    size_t _size;
    int64_t _position = 0;
};
