#include "Common/Gui/Forms/AirportMarkers.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/PackedRecord.h"
#include "WinCE/Assert.h"
#include "WinCE/VFileResource.h"

#include <algorithm>

namespace
{
constexpr const char* ENTRY = "amasks_rsc";

bool Fail(std::string* error, size_t record, const std::string& reason)
{
    if (error)
        *error = std::string(ENTRY) + ": record " + std::to_string(record) + " " + reason;
    return false;
}
} // namespace

bool AirportMarkers::Parse(const uint8_t* data, size_t size, std::vector<Marker>* markers, std::string* error)
{
    markers->clear();
    if (!data || size != RECORD_COUNT * RECORD_SIZE)
    {
        if (error)
            *error = std::string(ENTRY) + ": " + std::to_string(size) + " bytes instead of " +
                     std::to_string(RECORD_COUNT * RECORD_SIZE);
        return false;
    }
    PackedRecord record(data, size);
    for (size_t i = 0; i < RECORD_COUNT; ++i)
    {
        Marker m;
        m.x = record.Get16();
        m.y = record.Get16();
        m.width = record.Get8();
        m.height = record.Get8();
        for (uint16_t& row : m.rows)
            row = static_cast<uint16_t>(record.Get16());
        m.airport = record.Get16();
        m.continent = record.Get16();
        if (m.airport < 0 || m.airport >= Enviroment::AIRPORT_COUNT)
            return Fail(error, i, "names airport " + std::to_string(m.airport));
        if (m.continent < 0 || m.continent >= CONTINENT_COUNT)
            return Fail(error, i, "names continent " + std::to_string(m.continent));
        if (m.width < 1 || m.width > MAX_WIDTH || m.height < 1 || m.height > ROWS)
            return Fail(error, i,
                        "has a marker of " + std::to_string(m.width) + " x " + std::to_string(m.height));
        if (m.x < 0 || m.y < 0 || m.x + m.width > MAP_WIDTH || m.y + m.height > MAP_HEIGHT)
            return Fail(error, i, "lies outside its map");
        for (int32_t row = 0; row < ROWS; ++row)
        {
            const uint32_t outside = row < m.height ? m.rows[row] >> m.width : m.rows[row];
            if (outside != 0)
                return Fail(error, i, "has shape bits outside its marker");
        }
        markers->push_back(m);
    }
    return true;
}

std::vector<AirportMarkers::Marker> AirportMarkers::Load()
{
    const VFileResource entry(ENTRY);
    std::vector<Marker> markers;
    std::string error;
    const bool parsed =
        Parse(entry.GetData(), static_cast<size_t>(std::max(entry.GetSize(), 0)), &markers, &error);
    FATAL(!parsed, ("Damaged data file: " + error).c_str());
    return markers;
}
