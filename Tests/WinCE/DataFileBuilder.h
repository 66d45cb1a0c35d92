// Data files made by hand for the tests of the data-file layer: index
// records byte by byte, or a well-formed file from named entries; and a
// fixture that opens them as the process's data file.
#pragma once

#include "WinCE/DataFile.h"
#include "WinCE/TempFolder.h"
#include "WinCE/VirtualFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Builds data-file bytes by hand: index records as given (in order,
// duplicates allowed), then the entries' bytes.
class RawDataFile
{
public:
    void Record(const std::string& name, uint32_t offset, uint32_t size)
    {
        _index.insert(_index.end(), name.begin(), name.end());
        _index.push_back(0);
        Put32(_index, offset);
        Put32(_index, size);
    }
    // Appends `bytes` after the index (which must be complete by now,
    // terminator included) and returns their offset.
    uint32_t Data(const std::vector<uint8_t>& bytes)
    {
        const uint32_t offset = static_cast<uint32_t>(_index.size() + _data.size());
        _data.insert(_data.end(), bytes.begin(), bytes.end());
        return offset;
    }
    void End() { _index.push_back(0); }
    inline std::vector<uint8_t> Bytes() const
    {
        std::vector<uint8_t> all = _index;
        all.insert(all.end(), _data.begin(), _data.end());
        return all;
    }
    size_t IndexSize() const { return _index.size(); }

    static void Put32(std::vector<uint8_t>& out, uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }

private:
    std::vector<uint8_t> _index;
    std::vector<uint8_t> _data;
};

inline std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

// A data file whose entries are named and filled as given; entry bytes
// follow the index in order.
inline std::vector<uint8_t> MakeDataFile(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& entries)
{
    size_t indexSize = 1;
    for (const auto& [name, bytes] : entries)
        indexSize += name.size() + 9;
    std::vector<uint8_t> file;
    uint32_t offset = static_cast<uint32_t>(indexSize);
    for (const auto& [name, bytes] : entries)
    {
        file.insert(file.end(), name.begin(), name.end());
        file.push_back(0);
        RawDataFile::Put32(file, offset);
        RawDataFile::Put32(file, static_cast<uint32_t>(bytes.size()));
        offset += static_cast<uint32_t>(bytes.size());
    }
    file.push_back(0);
    for (const auto& [name, bytes] : entries)
        file.insert(file.end(), bytes.begin(), bytes.end());
    return file;
}

inline std::string ReadAll(VirtualFile& file)
{
    std::string out;
    char buffer[7];
    int32_t got = 0;
    while ((got = file.Read(buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<size_t>(got));
    return out;
}

class DataFileTest : public ::testing::Test
{
protected:
    void TearDown() override { DataFile::Destroy(); }

    std::string Use(const std::vector<uint8_t>& bytes)
    {
        const std::string path = _folder / "Skyreach.dat";
        WriteFile(path, bytes);
        DataFile::UseFile(path);
        return path;
    }

    TempFolder _folder;
};
