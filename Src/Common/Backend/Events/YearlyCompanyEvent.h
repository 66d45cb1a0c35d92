// YearlyCompanyEvent (type 200): the company's April pass, every 1 April.
//
// Demand at the airports answers the company's routes from there (their price
// and service levels).
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class YearlyCompanyEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 200;

    YearlyCompanyEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
