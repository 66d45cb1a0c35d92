#include "WinCE/DataFile.h"

#include "WinCE/Assert.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegValue.h"

#include <cstdlib>

DataFile* DataFile::_df = nullptr;

namespace
{
bool s_exitHandlerInstalled = false;

void DeleteAtExit()
{
    DataFile::Destroy();
}
} // namespace

DataFile::DataFile(const char16_t* path)
    : FileIO(path, OPEN_EXISTING, GENERIC_READ, FILE_SHARE_READ), _indexOk(false)
{
    ReadIndex();
}

DataFile::DataFile(const std::string& hostPath)
    : FileIO(hostPath, OPEN_EXISTING, GENERIC_READ, FILE_SHARE_READ), _indexOk(false)
{
    ReadIndex();
}

void DataFile::ReadIndex()
{
    if (!FileIO::IsOpen())
    {
        _error = GetOpenError();
        return;
    }
    _indexOk = _index.Read(*this, &_error);
}

bool DataFile::Find(const char* name, uint32_t* offset, int32_t* size) const
{
    DataFileIndex::Entry entry;
    if (!_index.Find(name, &entry))
        return false;
    *offset = entry.offset;
    *size = static_cast<int32_t>(entry.size);
    return true;
}

void DataFile::Install(DataFile* file)
{
    ASSERT(!_df);
    FATAL(!file, "Couldn't create DataFile class instance");
    if (!file->IsOpen())
    {
        const std::string message = "Couldn't load datafile '" + file->GetPath() + "': " + file->GetError();
        delete file;
        FatalError(message.c_str());
        return;
    }
    _df = file;
    if (!s_exitHandlerInstalled)
    {
        s_exitHandlerInstalled = true;
        std::atexit(DeleteAtExit);
    }
}

DataFile* DataFile::Create(const char16_t* path)
{
    Install(new DataFile(path));
    return _df;
}

DataFile* DataFile::Get()
{
    if (_df)
        return _df;
    std::unique_ptr<RegKey> key = RegKey::OpenAppKey();
    const char16_t* path = key->Value("Resource File")->GetString();
    // The installation step writes the value; without it there is no path.
    FATAL(!path || !*path, "Couldn't load datafile: the application key has no \"Resource File\" value "
                           "(run Skyreach --install)");
    if (path && *path)
        Create(path);
    return _df;
}

void DataFile::UseFile(const std::string& hostPath)
{
    Destroy();
    Install(new DataFile(hostPath));
}

void DataFile::Destroy()
{
    delete _df;
    _df = nullptr;
}
