// ConfigBlock: the one serialisation format of the game, used for every saved
// game and every setting.
//
// A block is a flat run of named entries with nothing before, between or after
// them. Each entry is a 12-byte header of three big-endian words (type tag,
// name length, data length), the name bytes without terminator, then the data.
// Values are stored as their raw little-endian image; a child block is stored
// as an entry whose data is the child's complete byte image, so blocks nest to
// any depth. Lookups are by name alone (the type tag is not compared), a name
// occurs at most once, and rewriting a name moves it to the end.
//
// Reading never asserts on well-formed blocks; a block that does not chain to
// its end is one of our bugs (assertion) unless it came from outside, which is
// why bytes from storage go through Validate before they are trusted.
#pragma once

#include "WinCE/Assert.h"
#include "Wkr/Util/MemBlock.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

class ConfigBlock
{
public:
    static constexpr uint32_t VALUE_ENTRY = 0x00010001;
    static constexpr uint32_t BLOCK_ENTRY = 0x00010002;
    static constexpr int32_t HEADER_SIZE = 12;

    ConfigBlock() = default;
    virtual ~ConfigBlock();
    ConfigBlock(const ConfigBlock& other);
    ConfigBlock& operator=(const ConfigBlock& other);
    ConfigBlock(ConfigBlock&& other) noexcept;
    ConfigBlock& operator=(ConfigBlock&& other) noexcept;

    // Writes a fixed-size value (1, 4 or 8 bytes) as its raw in-memory image.
    template <class T> void Put(const char* name, const T& value)
    {
        static_assert(std::is_trivially_copyable_v<T>, "only plain values can be stored raw");
        static_assert(!std::is_pointer_v<T>, "a pointer is not a value; use PutString for text");
        static_assert(sizeof(T) == 1 || sizeof(T) == 4 || sizeof(T) == 8, "values are 1, 4 or 8 bytes");
        SetEntry(VALUE_ENTRY, name, NameLength(name), &value, static_cast<int32_t>(sizeof(T)));
    }
    void PutString(const char* name, const std::string& s);
    void PutBlock(const char* name, const ConfigBlock& child);

    // Each reader returns false when the name is absent and then leaves the
    // destination untouched, so callers pre-set their defaults.
    // A fixed-size value stored with another length is the fatal "Mangled
    // config.", unless a LenientReads is in force; so is reading as a block
    // an entry whose bytes are not a sound block (GetBlock then returns false).
    template <class T> bool Get(const char* name, T& value) const
    {
        static_assert(std::is_trivially_copyable_v<T>, "only plain values can be stored raw");
        static_assert(sizeof(T) == 1 || sizeof(T) == 4 || sizeof(T) == 8, "values are 1, 4 or 8 bytes");
        const uint8_t* data = nullptr;
        int32_t length = 0;
        if (!FindEntry(name, NameLength(name), data, length))
            return false;
        if (length != static_cast<int32_t>(sizeof(T)))
        {
            ReportMangled();
            return false;
        }
        std::memcpy(&value, data, sizeof(T));
        return true;
    }
    bool GetString(const char* name, std::string& s) const;
    bool GetBlock(const char* name, ConfigBlock& child) const;

    // The whole block as bytes, and back. SetRaw does not check the bytes:
    // bytes from storage must pass Validate first.
    std::vector<uint8_t> GetRaw() const;
    void SetRaw(const uint8_t* data, size_t size);
    void SetRaw(const std::vector<uint8_t>& data) { SetRaw(data.data(), data.size()); }

    // Bytes in use; the capacity of the buffer may be larger.
    int32_t GetSize() const { return _size; }
    int32_t GetCapacity() const { return _data.GetCapacity(); }
    const uint8_t* GetData() const { return _data.GetConstPtrC(); }

    // The general writer: removes an entry of the same name, if any, and
    // appends the new one at the end.
    void SetEntry(uint32_t type, const char* name, int32_t namelen, const void* data, int32_t datalen);
    // The general finder: on success `data` points into the block and stays
    // valid until the next write.
    bool FindEntry(const char* name, int32_t namelen, const uint8_t*& data, int32_t& datalen) const;

    // Walks a whole tree of blocks without asserting: true when every header
    // fits, every name is at least one byte, the lengths chain exactly to the
    // end and every child-block entry is itself valid. An empty block is valid.
    static bool Validate(const uint8_t* data, size_t size);
    bool IsValid() const { return Validate(GetData(), static_cast<size_t>(_size)); }

    // The capacity a block of capacity `capacity` grows to when it needs
    // `needed` bytes (starting at 256, doubling, and beyond 16384 growing to
    // exactly what is needed plus 1024).
    static int64_t GrownCapacity(int64_t capacity, int64_t needed);

    // While one of these exists, a fixed-size value stored with the wrong
    // length is not fatal: the read returns false, the destination keeps its
    // default and the mismatch is counted. Loading a saved game runs inside
    // one, so that a damaged save is refused with a message instead of
    // ending the program at every start.
    class LenientReads
    {
    public:
        LenientReads();
        ~LenientReads();
        LenientReads(const LenientReads&) = delete;
        LenientReads& operator=(const LenientReads&) = delete;

        // Mismatched reads since this object was created.
        int32_t Mangled() const;

    private:
        int32_t _mangledBefore;
    };

private:
    static int32_t NameLength(const char* name);
    // The fatal "Mangled config.", or only a count under LenientReads.
    static void ReportMangled();

    MemBlock _data;
    int32_t _size = 0;
};
