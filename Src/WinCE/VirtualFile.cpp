#include "WinCE/VirtualFile.h"

#include "WinCE/Assert.h"
#include "WinCE/DataFile.h"

VirtualFile::VirtualFile(const char* name) : _offset(0), _size(0), _position(0), _found(false)
{
    ASSERT(name);
    DataFile* file = DataFile::Get();
    if (file)
        _found = file->Find(name, &_offset, &_size);
}

int32_t VirtualFile::SeekForTransfer(int32_t count)
{
    int32_t n = count;
    if (n > _size - _position)
        n = _size - _position;
    ASSERT(n >= 0 && "size>=0");
    if (n <= 0)
        return 0;
    DataFile::Get()->Seek(static_cast<int32_t>(_offset + static_cast<uint32_t>(_position)), FILE_BEGIN);
    return n;
}

int32_t VirtualFile::Read(void* buffer, int32_t count)
{
    const int32_t n = SeekForTransfer(count);
    if (n <= 0)
        return 0;
    const int32_t got = DataFile::Get()->Read(buffer, n);
    _position += got;
    return got;
}

int32_t VirtualFile::Write(const void* buffer, int32_t count)
{
    const int32_t n = SeekForTransfer(count);
    if (n <= 0)
        return 0;
    const int32_t written = DataFile::Get()->Write(buffer, n);
    _position += written;
    return written;
}

int32_t VirtualFile::Seek(int32_t offset, int32_t origin)
{
    // Worked out in 64 bits so a far seek clamps instead of wrapping.
    int64_t position = _position;
    switch (origin)
    {
    case FILE_BEGIN:
        ASSERT(offset >= 0 && "position>=0");
        position = offset;
        break;
    case FILE_CURRENT:
        position += offset;
        break;
    case FILE_END:
        ASSERT(offset >= 0 && "position>=0");
        position = static_cast<int64_t>(_size) - 1 - offset;
        break;
    default:
        ASSERT(false && "unknown seek origin");
        break;
    }
    if (position >= _size)
        position = static_cast<int64_t>(_size) - 1;
    // Checked after the upper bound so an empty entry ends at 0, not at -1,
    // from where a read would take a byte that is not the entry's.
    if (position < 0)
        position = 0;
    _position = static_cast<int32_t>(position);
    return _position;
}
