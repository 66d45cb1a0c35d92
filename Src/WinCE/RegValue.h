// One named value of a registry key, as the game sees it: a kind, a buffer
// and its size.
//
// The object is made by `RegKey::Value`, which reads the stored value into
// it (a value that is missing or cannot be read gives an empty object: kind
// 0, no data, size 0). The setters only change the object; the value reaches
// the store when the object is released. Every object is written back, also
// one that was only read: reading a missing value therefore leaves an empty
// value of kind 0 under that name, which later reads see as size 0.
#pragma once

#include <cstdint>
#include <string>

class RegKey;

class RegValue
{
public:
    // The stored bytes (null when there are none) and their count.
    void GetData(const uint8_t** data, uint32_t* size) const;
    // The text of a string or expandable string, else null.
    const char16_t* GetString() const;
    // The number of a 32-bit number value with data, else 0.
    uint32_t GetDword() const;
    uint32_t GetType() const { return _type; }
    uint32_t GetSize() const { return _size; }

    void SetBinary(const void* data, uint32_t size);
    // Size is (characters + 1) * 2: the terminator is stored too.
    void SetString(const char16_t* text);
    void SetExpandString(const char16_t* text);
    void SetDword(uint32_t value);

private:
    friend class RegKey;

    RegValue(RegKey* key, const char* name);
    // Writes the value back and gives back the key's use.
    ~RegValue();
    RegValue(const RegValue&) = delete;
    RegValue& operator=(const RegValue&) = delete;

    void Replace(uint32_t type, const void* data, uint32_t size);

    uint32_t _type;
    // Allocated two bytes longer than `_size` and zero there, so string data
    // read from a damaged store still ends.
    uint8_t* _data;
    uint32_t _size;
    RegKey* _key;
    std::u16string _name;
};
