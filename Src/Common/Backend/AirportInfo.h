// AirportInfo: one record of the airport table ("airports_rsc").
//
// 138 records of 138 bytes, read once when the world is created. Routes may
// join an airport only to one of its six neighbours; the distance of such a
// route is the distance stored at the neighbour's slot.
#pragma once

#include <cstdint>

struct AirportInfo
{
    static constexpr int32_t RECORD_SIZE = 138;
    static constexpr int32_t NEIGHBOURS = 6;

    char _short_name[20]; // shown in lists of airports and routes
    char _name[60];       // full name
    char _country[20];
    int16_t _size;        // 50, 100, 150, 200 or 250
    int16_t _neighbours[NEIGHBOURS];
    int32_t _distances[NEIGHBOURS]; // km, same order as the neighbours

    // The slot of the neighbour, or -1 when it is not a neighbour.
    int32_t SlotOf(int32_t airport) const
    {
        for (int32_t i = 0; i < NEIGHBOURS; ++i)
        {
            if (_neighbours[i] == airport)
                return i;
        }
        return -1;
    }
};
