// StrongWindEvent (type 109): Strong wind closes an airport.
//
// Drawn by the weekly airport check. The airport loses 1/50 of every demand
// value, closes with reason 3 and reopens 3 to 22 hours later (AirportReopenEvent);
// notice 83 tells the player.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class StrongWindEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 109;

    StrongWindEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
