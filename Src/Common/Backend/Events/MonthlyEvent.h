// MonthlyEvent (type 203): the monthly bookkeeping, on the first of every month.
//
// In this order: the statistics' monthly roll, the company's monthly
// processing, the monthly airport checks with the cost-index rise and the
// economy draw, and the draw of the month's offers: one tick base (ticks mod
// 1000) and, for the agency, route, charity and VIP offers in turn, r =
// rand() mod 1000; base < r < base + 300 schedules the offer at h = rand() mod
// 24 hours and d = rand() mod 28 days into the month.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class MonthlyEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 203;

    MonthlyEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
