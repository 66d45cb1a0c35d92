// One entry of the data file, read like a small file.
//
// Opening makes sure the process's data file is open, then looks the name up
// (case-sensitive). A name that is not there leaves a usable object whose
// IsOpen is false. Reads are cut to the entry; Seek clamps the position to
// the entry's bytes (0 .. size - 1). Writing goes nowhere: the data file is
// open for reading only.
#pragma once

#include "WinCE/FileBase.h"

class VirtualFile : public FileBase
{
public:
    explicit VirtualFile(const char* name);

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    // Origins: FILE_BEGIN (offset >= 0), FILE_CURRENT, FILE_END (offset >= 0;
    // offset 0 is the last byte). The result is clamped to the entry.
    int32_t Seek(int32_t offset, int32_t origin) override;
    uint32_t GetSize() override { return static_cast<uint32_t>(_size); }
    bool IsOpen() const override { return _found; }

    int32_t GetPosition() const { return _position; }

private:
    // Cuts `count` to the bytes left in the entry and moves the data file to
    // the current position; the bytes to transfer (0 for none).
    int32_t SeekForTransfer(int32_t count);

    uint32_t _offset;
    int32_t _size;
    int32_t _position;
    bool _found;
};
