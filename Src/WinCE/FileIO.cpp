#include "WinCE/FileIO.h"

#include "WinCE/Assert.h"
#include "WinCE/Str2Unicode.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileIO::FileIO(const char16_t* path, uint32_t disposition, uint32_t access, uint32_t /*share*/) : _handle(-1)
{
    ASSERT(path && "fname");
    _path = Utf16ToUtf8(path);
    Open(disposition, access);
}

FileIO::FileIO(const std::string& hostPath, uint32_t disposition, uint32_t access, uint32_t /*share*/)
    : _handle(-1), _path(hostPath)
{
    Open(disposition, access);
}

FileIO::~FileIO()
{
    if (_handle >= 0)
        close(_handle);
}

void FileIO::Open(uint32_t disposition, uint32_t access)
{
    int flags = O_CLOEXEC;
    if ((access & GENERIC_READ) && (access & GENERIC_WRITE))
        flags |= O_RDWR;
    else if (access & GENERIC_WRITE)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    switch (disposition)
    {
    case CREATE_NEW:
        flags |= O_CREAT | O_EXCL;
        break;
    case CREATE_ALWAYS:
        flags |= O_CREAT | O_TRUNC;
        break;
    case OPEN_ALWAYS:
        flags |= O_CREAT;
        break;
    case TRUNCATE_EXISTING:
        flags |= O_TRUNC;
        break;
    default:
        ASSERT(disposition == OPEN_EXISTING && "unknown creation disposition");
        break;
    }
    _handle = open(_path.c_str(), flags, 0644);
    if (_handle < 0)
    {
        _openError = std::strerror(errno);
        return;
    }
    // A folder opens for reading on this platform but is no file.
    struct stat info;
    if (fstat(_handle, &info) == 0 && S_ISDIR(info.st_mode))
    {
        close(_handle);
        _handle = -1;
        _openError = "it is a folder";
    }
}

int32_t FileIO::Read(void* buffer, int32_t count)
{
    ASSERT(_handle >= 0 && "_handle");
    ASSERT(count >= 0 && "size>=0");
    int32_t total = 0;
    while (total < count)
    {
        const ssize_t r = read(_handle, static_cast<char*>(buffer) + total, static_cast<size_t>(count - total));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return 0;
        if (r == 0)
            break;
        total += static_cast<int32_t>(r);
    }
    return total;
}

int32_t FileIO::Write(const void* buffer, int32_t count)
{
    ASSERT(_handle >= 0 && "_handle");
    ASSERT(count >= 0 && "size>=0");
    int32_t total = 0;
    while (total < count)
    {
        const ssize_t w =
            write(_handle, static_cast<const char*>(buffer) + total, static_cast<size_t>(count - total));
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return total;
        total += static_cast<int32_t>(w);
    }
    return total;
}

int32_t FileIO::Seek(int32_t offset, int32_t origin)
{
    ASSERT(_handle >= 0 && "_handle");
    const int whence = origin == FILE_BEGIN ? SEEK_SET : origin == FILE_CURRENT ? SEEK_CUR : SEEK_END;
    ASSERT((origin == FILE_BEGIN || origin == FILE_CURRENT || origin == FILE_END) && "unknown seek origin");
    const off_t position = lseek(_handle, offset, whence);
    return position < 0 ? -1 : static_cast<int32_t>(position);
}

uint32_t FileIO::GetSize()
{
    ASSERT(_handle >= 0 && "_handle");
    struct stat info;
    const uint32_t size = fstat(_handle, &info) == 0 && info.st_size < 0xFFFFFFFF
                              ? static_cast<uint32_t>(info.st_size)
                              : 0xFFFFFFFFu;
    ASSERT(size != 0xFFFFFFFF);
    return size;
}
