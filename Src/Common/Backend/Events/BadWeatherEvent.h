// BadWeatherEvent (type 104): Bad weather closes an airport.
//
// Drawn by the monthly airport check. The airport loses 1/10 of every demand
// value, closes with reason 4 and reopens at midnight of day (fire day + 7) of the fire month
// (AirportReopenEvent); notice 50 tells the player.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class BadWeatherEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 104;

    BadWeatherEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
