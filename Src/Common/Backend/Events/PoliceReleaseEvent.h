// PoliceReleaseEvent (type 11): the police release a plane held after a smuggling run.
//
// Fourteen days after the landing where the smuggling was detected; the plane
// is running again and goes through the 10-hour maintenance before its next
// refuel, so it is out of the cycle for 14 days and 10 hours.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class PoliceReleaseEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 11;

    PoliceReleaseEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
