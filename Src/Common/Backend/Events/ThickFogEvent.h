// ThickFogEvent (type 117): Thick fog closes an airport.
//
// Drawn by the weekly airport check. The airport loses 1/50 of every demand
// value, closes with reason 5 and reopens 10 to 29 hours later (AirportReopenEvent);
// notice 84 tells the player.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class ThickFogEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 117;

    ThickFogEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
