#include "WinCE/DataFileIndex.h"

#include "WinCE/FileBase.h"

#include <cstring>
#include <vector>

namespace
{
uint32_t ReadLittle32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

// Reads the file front to back in blocks, so opening a data file costs a few
// reads instead of several per record.
class BlockReader
{
public:
    explicit BlockReader(FileBase& file) : _file(file), _end(false) {}

    const std::vector<uint8_t>& Bytes() const { return _bytes; }

    // Appends the next block; false at the end of the file.
    bool More()
    {
        if (_end)
            return false;
        const size_t old = _bytes.size();
        const int32_t block = old < 65536 ? 16384 : static_cast<int32_t>(old);
        _bytes.resize(old + static_cast<size_t>(block));
        const int32_t got = _file.Read(_bytes.data() + old, block);
        _bytes.resize(old + static_cast<size_t>(got > 0 ? got : 0));
        if (got < block)
            _end = true;
        return got > 0;
    }

private:
    FileBase& _file;
    std::vector<uint8_t> _bytes;
    bool _end;
};
} // namespace

bool DataFileIndex::Read(FileBase& file, std::string* error)
{
    _entries.clear();
    _indexEnd = 0;
    const uint64_t fileSize = file.GetSize();
    file.Seek(0, FILE_BEGIN);
    BlockReader reader(file);
    size_t pos = 0;
    for (;;)
    {
        // The name: everything up to the next 0 byte.
        const size_t start = pos;
        size_t scan = pos;
        const uint8_t* zero = nullptr;
        for (;;)
        {
            const std::vector<uint8_t>& bytes = reader.Bytes();
            if (scan < bytes.size())
            {
                zero = static_cast<const uint8_t*>(std::memchr(bytes.data() + scan, 0, bytes.size() - scan));
                if (zero)
                    break;
                scan = bytes.size();
            }
            if (!reader.More())
                break;
        }
        const std::vector<uint8_t>& bytes = reader.Bytes();
        if (!zero)
        {
            if (start == bytes.size())
                break; // The index ends at the end of the file.
            *error = "the index name at offset " + std::to_string(start) + " (\"" +
                     Printable(std::string_view(reinterpret_cast<const char*>(bytes.data()) + start,
                                                bytes.size() - start)) +
                     "\") runs past the end of the file";
            return false;
        }
        const size_t nameEnd = static_cast<size_t>(zero - bytes.data());
        std::string name(reinterpret_cast<const char*>(bytes.data()) + start, nameEnd - start);
        pos = nameEnd + 1;
        if (name.empty())
            break;

        while (reader.Bytes().size() - pos < 8 && reader.More())
        {
        }
        if (reader.Bytes().size() - pos < 8)
        {
            *error = "the index record of \"" + Printable(name) + "\" at offset " + std::to_string(start) +
                     " is cut short by the end of the file";
            return false;
        }
        const Entry entry{ReadLittle32(reader.Bytes().data() + pos), ReadLittle32(reader.Bytes().data() + pos + 4)};
        pos += 8;
        _entries[std::move(name)] = entry;
    }
    _indexEnd = static_cast<uint32_t>(pos);

    // Only the records that count (the last of each name) must point inside
    // the file; an overridden record is never read.
    for (const auto& [name, entry] : _entries)
    {
        if (entry.size > 0x7FFFFFFFu || static_cast<uint64_t>(entry.offset) + entry.size > fileSize)
        {
            *error = "the entry \"" + Printable(name) + "\" (offset " + std::to_string(entry.offset) + ", size " +
                     std::to_string(entry.size) + ") points outside the file (" + std::to_string(fileSize) +
                     " bytes)";
            _entries.clear();
            return false;
        }
    }
    return true;
}

bool DataFileIndex::Find(std::string_view name, Entry* entry) const
{
    const auto found = _entries.find(name);
    if (found == _entries.end())
        return false;
    *entry = found->second;
    return true;
}

std::string DataFileIndex::Printable(std::string_view name)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    size_t shown = 0;
    for (const char ch : name)
    {
        if (++shown > 64)
        {
            out += "...";
            break;
        }
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"')
            out.push_back(static_cast<char>(c));
        else
        {
            out += "\\x";
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        }
    }
    return out;
}
