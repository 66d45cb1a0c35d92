// What the benchmarks share beyond the one test-world builder (TestWorld.h):
// the world tables of the whole-game benchmarks, and the bytes of a small
// data file holding named entries, for benchmarks that go through the data
// file.
#pragma once

#include "Common/Backend/TestWorld.h"
#include "Wkr/Util/LittleEndian.h"

#include <string>
#include <utility>
#include <vector>

namespace bench
{
// Models coming and going over the whole game, neighbours 800 km apart and
// then 300 km further each.
inline TestTables WholeGameTables()
{
    TestTables tables;
    for (int32_t i = 0; i < AVAIL_MODELS; ++i)
    {
        const int32_t intro = 1940 + i % 60;
        tables.models[i] = TestModel{
            "",         intro, intro + 25, 300000 + 20000 * int64_t(i), 500 + 5 * i, 3000 + 50 * uint32_t(i),
            60 + 3 * i, 36};
    }
    tables.SpreadNeighbours(800, 300);
    return tables;
}

// A data file of the entries, stored unpacked: the index (each name, its
// offset and size as little-endian 32-bit numbers), the terminating 0, then
// the entries' bytes in order.
inline std::vector<uint8_t>
DataFileBytes(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& entries)
{
    size_t indexSize = 1;
    for (const auto& entry : entries)
        indexSize += entry.first.size() + 1 + 8;
    std::vector<uint8_t> file;
    uint32_t offset = static_cast<uint32_t>(indexSize);
    for (const auto& entry : entries)
    {
        file.insert(file.end(), entry.first.begin(), entry.first.end());
        file.push_back(0);
        for (const uint32_t value : {offset, static_cast<uint32_t>(entry.second.size())})
        {
            uint8_t bytes[4];
            LittleEndian::Write32(bytes, value);
            file.insert(file.end(), bytes, bytes + 4);
        }
        offset += static_cast<uint32_t>(entry.second.size());
    }
    file.push_back(0);
    for (const auto& entry : entries)
        file.insert(file.end(), entry.second.begin(), entry.second.end());
    return file;
}
} // namespace bench
