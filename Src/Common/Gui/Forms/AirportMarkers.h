// AirportMarkers: the airports' markers on the continent maps of the map
// statistics page, read from the data file's entry "amasks_rsc".
//
// The entry holds 140 records of 38 bytes, little-endian: one for every
// airport on the map of its own continent and one more for each of the two
// airports that also appear on a second map. A record:
//
//   offset  width        field
//   0       int16        x of the marker's top-left corner on the map
//   2       int16        y of the marker's top-left corner
//   4       uint8        marker width w (1..16)
//   5       uint8        marker height h (1..14)
//   6       14 x uint16  the marker's shape, one row each from the top: bit c
//                        set means pixel (x + c, y + row) belongs to it; the
//                        rows from h on and the bits from w on are 0
//   34      int16        airport index (0..137)
//   36      int16        continent index: 0 Africa, 1 Asia, 2 Australia,
//                        3 Europe, 4 N America, 5 S America
//
// Every marker lies inside its 224 x 140 map. The asset generator writes
// the same layout (Tools/Assets/make_maps.py); Parse refuses anything else
// with the record and the reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class AirportMarkers
{
public:
    static constexpr size_t RECORD_SIZE = 38;
    static constexpr size_t RECORD_COUNT = 140;
    static constexpr int32_t ROWS = 14;
    static constexpr int32_t MAX_WIDTH = 16;
    static constexpr int32_t MAP_WIDTH = 224;
    static constexpr int32_t MAP_HEIGHT = 140;
    static constexpr int32_t CONTINENT_COUNT = 6;

    struct Marker
    {
        int32_t x = 0;
        int32_t y = 0;
        int32_t width = 0;
        int32_t height = 0;
        uint16_t rows[ROWS] = {};
        int32_t airport = 0;
        int32_t continent = 0;

        // True when the pixel (x + column, y + row) belongs to the marker.
        bool Covers(int32_t column, int32_t row) const
        {
            return row >= 0 && row < height && column >= 0 && column < width &&
                   ((rows[row] >> column) & 1) != 0;
        }
    };

    // The records of the entry's bytes; false with the reason (naming the
    // record) when the bytes are not 140 sound records.
    static bool Parse(const uint8_t* data, size_t size, std::vector<Marker>* markers, std::string* error);
    // The markers of the data file's entry; a damaged entry is a fatal error
    // naming it, like the world tables.
    static std::vector<Marker> Load();
};
