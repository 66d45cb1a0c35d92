// CheckInEvent (type 4): the passengers of a plane check in.
//
// A running plane enters the "Check In" phase and departs 60 minutes later;
// a plane that is not running leaves the cycle, stopped.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class CheckInEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 4;

    CheckInEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
