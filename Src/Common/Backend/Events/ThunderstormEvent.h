// ThunderstormEvent (type 107): A thunderstorm closes an airport.
//
// Drawn by the weekly airport check. The airport loses 1/50 of every demand
// value, closes with reason 2 and reopens 3 to 22 hours later (AirportReopenEvent);
// notice 82 tells the player.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class ThunderstormEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 107;

    ThunderstormEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
