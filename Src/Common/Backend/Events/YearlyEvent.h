// YearlyEvent (type 204): the new year, every 1 January from 1960.
//
// On 1 January 2003 the game is over (reason 41) and the chain ends. Before
// that: the company's new-year pass, the statistics' yearly roll and the
// year's schedule of new and withdrawn plane models.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class YearlyEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 204;

    YearlyEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
