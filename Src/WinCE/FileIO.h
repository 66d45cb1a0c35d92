// A native file behind the FileBase interface, opened the way the device
// opens files: a (wide) path, a creation disposition, an access mask and a
// share mode.
//
// Paths arrive in UTF-16 from the registry and are UTF-8 on the host; a
// constructor taking the host path directly serves tools and tests. The
// share mode has no meaning on this platform and is accepted for the
// callers' sake.
#pragma once

#include "WinCE/FileBase.h"

#include <string>

// Access mask.
constexpr uint32_t GENERIC_READ = 0x80000000u;
constexpr uint32_t GENERIC_WRITE = 0x40000000u;
// Share mode.
constexpr uint32_t FILE_SHARE_READ = 0x1;
constexpr uint32_t FILE_SHARE_WRITE = 0x2;
// Creation disposition.
constexpr uint32_t CREATE_NEW = 1;
constexpr uint32_t CREATE_ALWAYS = 2;
constexpr uint32_t OPEN_EXISTING = 3;
constexpr uint32_t OPEN_ALWAYS = 4;
constexpr uint32_t TRUNCATE_EXISTING = 5;

class FileIO : public FileBase
{
public:
    FileIO(const char16_t* path, uint32_t disposition, uint32_t access, uint32_t share);
    FileIO(const std::string& hostPath, uint32_t disposition, uint32_t access, uint32_t share);
    ~FileIO() override;
    FileIO(const FileIO&) = delete;
    FileIO& operator=(const FileIO&) = delete;

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int32_t Seek(int32_t offset, int32_t origin) override;
    uint32_t GetSize() override;
    bool IsOpen() const override { return _handle >= 0; }

    // The host path (UTF-8), for messages.
    const std::string& GetPath() const { return _path; }
    // Why the open failed (the system's text), empty when it did not.
    const std::string& GetOpenError() const { return _openError; }

private:
    void Open(uint32_t disposition, uint32_t access);

    int _handle;
    std::string _path;
    std::string _openError;
};
