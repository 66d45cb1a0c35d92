// PlaneModel: one record of the plane model table ("planemodels_rsc").
//
// The table is read once when the world is created and never written. Each
// record is 112 little-endian bytes; the first 40 carry data the simulation
// does not use and are kept as they are. The world hands out copies.
#pragma once

#include <cstdint>

struct PlaneModel
{
    static constexpr int32_t RECORD_SIZE = 112;
    static constexpr int32_t NAME_SIZE = 40;

    uint8_t _unused[40];
    char _name[NAME_SIZE];  // always NUL-terminated once loaded
    int32_t _intro_year;      // the model goes on sale in this year
    int32_t _withdrawal_year; // its withdrawal is announced in this year
    int64_t _price;           // purchase price in whole dollars
    int32_t _speed;           // km/h
    uint32_t _range;          // km
    int32_t _capacity;        // seats
    int32_t _runout_months;   // months of service support after the withdrawal
};
