#include "WinCE/RegValue.h"

#include "WinCE/Assert.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegistryStore.h"
#include "WinCE/Str2Unicode.h"

#include <cstring>
#include <vector>

RegValue::RegValue(RegKey* key, const char* name)
    : _type(REG_NONE), _data(nullptr), _size(0), _key(key), _name(Str2Unicode(name).Get())
{
    ++_key->_useCount;
    if (!_key->IsOpen())
        return;
    uint32_t type = REG_NONE;
    std::vector<uint8_t> bytes;
    if (RegistryStore::Default().QueryValue(_key->GetHandle(), Utf16ToUtf8(_name), &type, &bytes) == ERROR_SUCCESS)
        Replace(type, bytes.data(), static_cast<uint32_t>(bytes.size()));
}

RegValue::~RegValue()
{
    if (_key->IsOpen())
    {
        RegistryStore& store = RegistryStore::Default();
        const long retval = store.SetValue(_key->GetHandle(), Utf16ToUtf8(_name), _type, _data, _size);
        // A store that cannot write (disk full, file gone) is not a bug of
        // ours: say which file failed rather than where in our code.
        FATAL(retval == ERROR_WRITE_FAULT, ("Couldn't write the value '" + Utf16ToUtf8(_name) +
                                            "' to the preference store '" + store.GetPath() +
                                            "': " + store.LastError())
                                               .c_str());
        // Anything else (a key deleted while still open) is our own mistake.
        if (retval != ERROR_WRITE_FAULT)
            ASSERT(retval == ERROR_SUCCESS);
    }
    delete[] _data;
    --_key->_useCount;
}

void RegValue::Replace(uint32_t type, const void* data, uint32_t size)
{
    delete[] _data;
    _data = nullptr;
    _type = type;
    _size = size;
    if (data && size > 0)
    {
        // Three zero bytes behind the value end a string read from it even
        // when its terminator was lost and its length is odd.
        _data = new uint8_t[size + 3];
        std::memcpy(_data, data, size);
        _data[size] = 0;
        _data[size + 1] = 0;
        _data[size + 2] = 0;
    }
    else
        _size = 0;
}

void RegValue::GetData(const uint8_t** data, uint32_t* size) const
{
    *data = _data;
    *size = _size;
}

const char16_t* RegValue::GetString() const
{
    if ((_type != REG_SZ && _type != REG_EXPAND_SZ) || !_data)
        return nullptr;
    // Stored strings are UTF-16 little-endian. The buffer's extra zero bytes
    // end a string whose terminator was lost; an odd last byte reads as a
    // character of its own.
    return reinterpret_cast<const char16_t*>(_data);
}

uint32_t RegValue::GetDword() const
{
    if (_type != REG_DWORD || !_data || _size < 4)
        return 0;
    return static_cast<uint32_t>(_data[0]) | static_cast<uint32_t>(_data[1]) << 8 |
           static_cast<uint32_t>(_data[2]) << 16 | static_cast<uint32_t>(_data[3]) << 24;
}

void RegValue::SetBinary(const void* data, uint32_t size)
{
    ASSERT(data || size == 0);
    Replace(REG_BINARY, data, size);
    // An empty binary value keeps its kind; only the bytes are gone.
    _type = REG_BINARY;
}

void RegValue::SetString(const char16_t* text)
{
    ASSERT(text);
    Replace(REG_SZ, text, static_cast<uint32_t>((Utf16Length(text) + 1) * 2));
}

void RegValue::SetExpandString(const char16_t* text)
{
    ASSERT(text);
    Replace(REG_EXPAND_SZ, text, static_cast<uint32_t>((Utf16Length(text) + 1) * 2));
}

void RegValue::SetDword(uint32_t value)
{
    const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                              static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    Replace(REG_DWORD, bytes, 4);
}
