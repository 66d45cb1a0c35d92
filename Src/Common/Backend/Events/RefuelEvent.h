// RefuelEvent (type 3): a plane is refuelled after its maintenance.
//
// A running plane enters the "Refuel" phase and checks in 60 minutes later;
// a plane that is not running leaves the cycle, stopped.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class RefuelEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 3;

    RefuelEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
