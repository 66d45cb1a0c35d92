#include "WinCE/RegKey.h"

#include "WinCE/Assert.h"
#include "WinCE/RegValue.h"

RegKey::RegKey(RegRoot root, const char* path, bool create)
    : _value(nullptr), _handle(0), _useCount(0), _parent(nullptr)
{
    ASSERT(path);
    Open(root, path, create);
}

RegKey::RegKey(RegKey* parent, const char* name, bool create)
    : _value(nullptr), _handle(0), _useCount(0), _parent(parent)
{
    ASSERT(parent && name);
    ++_parent->_useCount;
    RegRoot root = 0;
    std::string path;
    if (parent->IsOpen() && RegistryStore::Default().KeyPath(parent->_handle, &root, &path))
        Open(root, path + "\\" + name, create);
}

RegKey::~RegKey()
{
    ReleaseValue();
    ASSERT(_useCount == 0);
    if (_handle)
        RegistryStore::Default().KeyClosed();
    _handle = 0;
    if (_parent)
        --_parent->_useCount;
}

void RegKey::Open(RegRoot root, const std::string& path, bool create)
{
    RegistryStore& store = RegistryStore::Default();
    int64_t id = 0;
    if (store.OpenKey(root, path, create, &id) == ERROR_SUCCESS)
    {
        _handle = id;
        store.KeyOpened();
    }
}

void RegKey::ReleaseValue()
{
    delete _value;
    _value = nullptr;
}

RegValue* RegKey::Value(const char* name)
{
    ASSERT(name);
    ReleaseValue();
    _value = new RegValue(this, name);
    return _value;
}

bool RegKey::DeleteSubKey(const char* name)
{
    ASSERT(name);
    RegRoot root = 0;
    std::string path;
    if (!IsOpen() || !RegistryStore::Default().KeyPath(_handle, &root, &path))
        return false;
    return RegistryStore::Default().DeleteKey(root, path + "\\" + name) == ERROR_SUCCESS;
}

std::string RegKey::AppKeyPath()
{
    return std::string("Software\\") + COMPANY_NAME + "\\" + APPLICATION_NAME;
}

std::unique_ptr<RegKey> RegKey::OpenAppKey()
{
    auto key = std::make_unique<RegKey>(HKEY_LOCAL_MACHINE, AppKeyPath().c_str(), false);
    FATAL(!key->IsOpen(), "Couldn't open registry key");
    return key;
}
