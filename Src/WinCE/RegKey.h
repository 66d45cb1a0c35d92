// One key of the registry (the SQLite store of this platform).
//
// A key is opened by root and path, or by name below an open parent key,
// whose use it holds until it closes. `Value` gives the key's current value
// object (one at a time, owned by the key); the value writes itself back when
// it is released: when the next value is asked for, or when the key closes.
// A key may only be destroyed when nothing refers to it any more (`_useCount`
// is 0): close sub-keys before their parents.
//
// The application's own key is HKEY_LOCAL_MACHINE "Software\Northgate Soft\"
// + application name; the installation step creates it and writes the paths
// of the data file and the manual there ("Resource File", "Help File").
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "WinCE/RegistryStore.h"

class RegValue;

class RegKey
{
public:
    // Opens the key, or opens or creates it when `create` is set.
    RegKey(RegRoot root, const char* path, bool create);
    RegKey(RegKey* parent, const char* name, bool create);
    ~RegKey();
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    bool IsOpen() const { return _handle != 0; }

    // Releases (writes back) the current value object, then reads the named
    // value into a new one. The object stays owned by the key.
    RegValue* Value(const char* name);

    // Removes the named sub-key with everything below it; true on success.
    bool DeleteSubKey(const char* name);

    // The application key, opened (not created). A missing key is the fatal
    // error "Couldn't open registry key".
    static std::unique_ptr<RegKey> OpenAppKey();
    // The application key's path below HKEY_LOCAL_MACHINE.
    static std::string AppKeyPath();
    static constexpr const char* COMPANY_NAME = "Northgate Soft";
    static constexpr const char* APPLICATION_NAME = "Jet Warden";

    int64_t GetHandle() const { return _handle; }
    int GetUseCount() const { return _useCount; }

private:
    friend class RegValue;

    void Open(RegRoot root, const std::string& path, bool create);
    void ReleaseValue();

    RegValue* _value;
    int64_t _handle;
    int _useCount;
    RegKey* _parent;
};
