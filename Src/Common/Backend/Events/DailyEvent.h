// DailyEvent (type 206): the daily check, every midnight from 2 January 1959.
//
// A company worth less than nothing is bankrupt: the game is over (reason
// 39), and the day is still recorded. The worth goes into the statistics'
// history of the month.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class DailyEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 206;

    DailyEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
    // The day indexes the month's history: it is a day of a month.
    bool IsPlausible() const override;
};
