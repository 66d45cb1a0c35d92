// StaffStrikeEvent (type 106): A staff strike closes an airport.
//
// Drawn by the weekly airport check. The airport loses 1/50 of every demand
// value, closes with reason 1 and reopens 2 to 6 days later (AirportReopenEvent);
// notice 55 tells the player.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class StaffStrikeEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 106;

    StaffStrikeEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
