// Builds the game's data file from folders of asset files, and lists one.
//
// Every regular file under the given folders (hidden files excepted) becomes
// one entry named by its file name alone; two files of the same name are an
// error naming both. Entries are written in name order, so the same inputs
// always give the same bytes. Bitmaps (".bmp") are stored as LZRW2 blocks
// when that makes them smaller. A file that happens to begin with the LZRW2
// identifier is always stored packed, since the game would otherwise take
// its plain bytes for a packed block.
//
// The layout is the data file's: the index (name, 0 byte, offset and size as
// 32-bit little-endian), an empty name ending it, then the entries' bytes.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class DataPacker
{
public:
    // Adds every file under `folder`; false and `error` on a missing folder,
    // an unreadable file or a name already taken.
    bool AddFolder(const std::string& folder, std::string* error);
    // Adds one entry from memory (`source` names it in messages).
    bool AddEntry(const std::string& name, std::vector<uint8_t> bytes, const std::string& source,
                  std::string* error);

    // The whole data file.
    bool Build(std::vector<uint8_t>* file, std::string* error) const;
    // Builds and writes the data file; the old file is replaced only once
    // the new one is complete.
    bool Write(const std::string& path, std::string* error) const;

    // One line per entry in name order: name, offset, stored size, unpacked
    // size and "packed" or "plain", separated by tabs. False (and `error`)
    // when the file cannot be read, its index is damaged or a packed entry
    // does not unpack.
    static bool List(const std::string& path, std::ostream& out, std::string* error);

    // Whether an entry of this name is worth packing.
    static bool WantsPacking(const std::string& name);

private:
    struct Input
    {
        std::string name;
        std::string source;
        std::vector<uint8_t> bytes;
    };
    std::vector<Input> _inputs;
};
