// The index at the start of a data file: which named entry lies where.
//
// Byte format: a run of records, each the entry name as 8-bit characters
// ending with a 0 byte, then the entry's offset from the start of the file
// and its size (32-bit little-endian each). The index ends at a record with
// an empty name (a lone 0 byte) or at the end of the file. A name that occurs
// twice takes the offset and size of its last record. Names compare byte by
// byte, so they are case-sensitive.
//
// Reading checks what the game relies on: every name ends before the end of
// the file, every record is whole and every entry lies inside the file. A
// damaged index is refused with a text saying what is wrong; the data file
// and the packing tool turn that into their own messages.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

class FileBase;

class DataFileIndex
{
public:
    struct Entry
    {
        uint32_t offset;
        uint32_t size;
    };
    using Map = std::map<std::string, Entry, std::less<>>;

    // Reads the index from the start of `file`; false (and `error` says why)
    // when it is damaged. The file pointer is left anywhere.
    bool Read(FileBase& file, std::string* error);

    bool Find(std::string_view name, Entry* entry) const;
    const Map& Entries() const { return _entries; }
    // The first byte after the index.
    uint32_t GetIndexEnd() const { return _indexEnd; }

    // The name of an entry as messages show it: printable characters as they
    // are, others as \xNN, cut after 64 characters.
    static std::string Printable(std::string_view name);

private:
    Map _entries;
    uint32_t _indexEnd = 0;
};
