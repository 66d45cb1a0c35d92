// ManeuversEvent (type 116): Military manoeuvres closes an airport.
//
// Drawn by the weekly airport check. The airport loses 1/50 of every demand
// value, closes with reason 6 and reopens 2 days later (AirportReopenEvent);
// notice 85 tells the player.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class ManeuversEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 116;

    ManeuversEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
