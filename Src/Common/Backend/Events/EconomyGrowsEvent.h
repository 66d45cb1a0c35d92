// EconomyGrowsEvent (type 214): the economy grows.
//
// Unless a swing is already running, the cost index gets a surcharge of half
// the index in force until the economy levels out 2 to 5 months later.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class EconomyGrowsEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 214;

    EconomyGrowsEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
