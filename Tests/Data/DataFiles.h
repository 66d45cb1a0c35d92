// Reading the committed game data from the source tree for the data checks.
//
// The checks under Tests/Data look at the very files that the data packer
// puts into Skyreach.dat (Data/Entries, Data/Bitmaps, Data/Help) and at the
// CSV tables they were generated from, found through SKYREACH_SOURCE_DIR.
// Records are decoded here field by field, little-endian, exactly as the
// game lays them out, so that a wrong offset in a generator shows up as a
// wrong value rather than passing unnoticed.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace DataFiles
{

inline std::string SourcePath(const std::string& relative)
{
    return std::string(SKYREACH_SOURCE_DIR) + "/" + relative;
}

// The whole file, or an empty vector when it cannot be opened.
inline std::vector<uint8_t> ReadBytes(const std::string& relative)
{
    std::ifstream in(SourcePath(relative), std::ios::binary);
    if (!in)
    {
        return {};
    }
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string ReadText(const std::string& relative)
{
    const std::vector<uint8_t> bytes = ReadBytes(relative);
    return std::string(bytes.begin(), bytes.end());
}

inline bool Exists(const std::string& relative)
{
    std::ifstream in(SourcePath(relative), std::ios::binary);
    return static_cast<bool>(in);
}

inline int16_t I16(const std::vector<uint8_t>& b, size_t at)
{
    return static_cast<int16_t>(b[at] | (b[at + 1] << 8));
}

inline int32_t I32(const std::vector<uint8_t>& b, size_t at)
{
    return static_cast<int32_t>(static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
                                (static_cast<uint32_t>(b[at + 2]) << 16) |
                                (static_cast<uint32_t>(b[at + 3]) << 24));
}

inline int64_t I64(const std::vector<uint8_t>& b, size_t at)
{
    const uint64_t lo = static_cast<uint32_t>(I32(b, at));
    const uint64_t hi = static_cast<uint32_t>(I32(b, at + 4));
    return static_cast<int64_t>(lo | (hi << 32));
}

// A NUL-terminated text field of a fixed width; `terminated` tells whether
// the NUL lies inside the field, as the game's readers require.
inline std::string FixedText(const std::vector<uint8_t>& b, size_t at, size_t width, bool* terminated)
{
    const uint8_t* start = b.data() + at;
    const void* nul = std::memchr(start, 0, width);
    *terminated = nul != nullptr;
    const size_t length = nul ? static_cast<const uint8_t*>(nul) - start : width;
    return std::string(reinterpret_cast<const char*>(start), length);
}

// One CSV file with a header row; fields are plain (the tables quote nothing
// but names with commas, which the parser below honours).
struct CsvTable
{
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;

    int Column(const std::string& name) const
    {
        for (size_t i = 0; i < header.size(); ++i)
        {
            if (header[i] == name)
            {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};

inline std::vector<std::string> SplitCsvLine(const std::string& line)
{
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i)
    {
        const char c = line[i];
        if (quoted)
        {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"')
            {
                field += '"';
                ++i;
            }
            else if (c == '"')
            {
                quoted = false;
            }
            else
            {
                field += c;
            }
        }
        else if (c == '"')
        {
            quoted = true;
        }
        else if (c == ',')
        {
            fields.push_back(field);
            field.clear();
        }
        else if (c != '\r')
        {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

inline CsvTable ReadCsv(const std::string& relative)
{
    CsvTable table;
    std::istringstream in(ReadText(relative));
    std::string line;
    bool first = true;
    while (std::getline(in, line))
    {
        if (line.empty())
        {
            continue;
        }
        if (first)
        {
            table.header = SplitCsvLine(line);
            first = false;
        }
        else
        {
            table.rows.push_back(SplitCsvLine(line));
        }
    }
    return table;
}

} // namespace DataFiles
