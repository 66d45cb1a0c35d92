// The interface of everything that reads like a file: a native file
// (FileIO), the data file (DataFile) and one entry of it (VirtualFile).
//
// Seek origins are FILE_BEGIN, FILE_CURRENT and FILE_END (0, 1, 2).
#pragma once

#include <cstdint>

constexpr int32_t FILE_BEGIN = 0;
constexpr int32_t FILE_CURRENT = 1;
constexpr int32_t FILE_END = 2;

class FileBase
{
public:
    virtual ~FileBase() = default;
    // Bytes read; 0 at the end or on failure.
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    // Bytes written; 0 on failure.
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    // The new position.
    virtual int32_t Seek(int32_t offset, int32_t origin) = 0;
    virtual uint32_t GetSize() = 0;
    virtual bool IsOpen() const = 0;
};
