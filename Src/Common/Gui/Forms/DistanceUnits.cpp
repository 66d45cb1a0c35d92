#include "Common/Gui/Forms/DistanceUnits.h"

#include "Common/Gui/Forms/GameOptions.h"

#include <cinttypes>
#include <cstdio>

int64_t DistanceUnits::Shown(int64_t km)
{
    if (GameOptions::UsesKilometres())
        return km;
    return static_cast<int64_t>(static_cast<double>(km) / 1.609);
}

std::string DistanceUnits::SpeedText(int32_t kmh)
{
    char text[48];
    std::snprintf(text, sizeof(text),
                  GameOptions::UsesKilometres() ? "Speed: %" PRId64 " km/h" : "Speed: %" PRId64 " mph",
                  Shown(kmh));
    return text;
}

std::string DistanceUnits::RangeText(int64_t km)
{
    char text[48];
    std::snprintf(text, sizeof(text),
                  GameOptions::UsesKilometres() ? "Range: %" PRId64 " km" : "Range: %" PRId64 " miles",
                  Shown(km));
    return text;
}
