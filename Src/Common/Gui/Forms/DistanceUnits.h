// DistanceUnits: distances and speeds as the screens show them.
//
// The world keeps kilometres and km/h; the player's distance-unit option
// decides what the screens print. With miles the stored value is divided by
// 1.609 and truncated, for display only.
#pragma once

#include <cstdint>
#include <string>

class DistanceUnits
{
public:
    // The value in the unit the option chooses.
    static int64_t Shown(int64_t km);
    // "Speed: %d km/h" or "Speed: %d mph".
    static std::string SpeedText(int32_t kmh);
    // "Range: %d km" or "Range: %d miles".
    static std::string RangeText(int64_t km);
};
