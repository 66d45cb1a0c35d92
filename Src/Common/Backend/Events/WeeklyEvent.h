// WeeklyEvent (type 205): the weekly airport checks, every 7 days from 8 January 1959.
//
// Each airport of the company without a pending incident may draw a strike,
// a thunderstorm, strong wind, fog or manoeuvres for the coming week.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class WeeklyEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 205;

    WeeklyEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
