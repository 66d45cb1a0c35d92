// Made-up world tables for the benchmarks: plane models and airports in the
// data file's record layout, with figures chosen by each benchmark, so a
// benchmark needs no data file and measures the same world every time; and
// the bytes of a small data file holding named entries, for benchmarks that
// go through the data file.
#pragma once

#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/PlaneModel.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace bench
{
// The figures of one plane model record.
struct ModelFigures
{
    int32_t intro;
    int32_t withdrawal;
    int64_t price;
    int32_t speed;
    uint32_t range;
    int32_t capacity;
    int32_t runout;
};

// The plane model table, figures(i) giving model i.
template <class Figures>
std::vector<uint8_t> ModelTable(Figures figures)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(AVAIL_MODELS) * PlaneModel::RECORD_SIZE);
    for (int32_t i = 0; i < AVAIL_MODELS; ++i)
    {
        uint8_t* r = bytes.data() + static_cast<size_t>(i) * PlaneModel::RECORD_SIZE;
        const ModelFigures f = figures(i);
        std::memcpy(r + 80, &f.intro, 4);
        std::memcpy(r + 84, &f.withdrawal, 4);
        std::memcpy(r + 88, &f.price, 8);
        std::memcpy(r + 96, &f.speed, 4);
        std::memcpy(r + 100, &f.range, 4);
        std::memcpy(r + 104, &f.capacity, 4);
        std::memcpy(r + 108, &f.runout, 4);
    }
    return bytes;
}

// The airport table: sizes 50 to 250 in turn, each airport's six neighbours
// the next six airports, at 800 km plus `distanceStep` per neighbour slot.
inline std::vector<uint8_t> AirportTable(int32_t distanceStep)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(Enviroment::AIRPORT_COUNT) * AirportInfo::RECORD_SIZE);
    for (int32_t i = 0; i < Enviroment::AIRPORT_COUNT; ++i)
    {
        uint8_t* r = bytes.data() + static_cast<size_t>(i) * AirportInfo::RECORD_SIZE;
        const int16_t size = static_cast<int16_t>(50 * (1 + i % 5));
        std::memcpy(r + 100, &size, 2);
        for (int32_t k = 0; k < 6; ++k)
        {
            const int16_t neighbour = static_cast<int16_t>((i + k + 1) % Enviroment::AIRPORT_COUNT);
            const int32_t distance = 800 + distanceStep * k;
            std::memcpy(r + 102 + 2 * k, &neighbour, 2);
            std::memcpy(r + 114 + 4 * k, &distance, 4);
        }
    }
    return bytes;
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
            for (int i = 0; i < 4; ++i)
                file.push_back(static_cast<uint8_t>(value >> (8 * i)));
        offset += static_cast<uint32_t>(entry.second.size());
    }
    file.push_back(0);
    for (const auto& entry : entries)
        file.insert(file.end(), entry.second.begin(), entry.second.end());
    return file;
}
} // namespace bench
