// RouteCostEvent (type 7): the monthly cost of a plane's route.
//
// Charged to the company and to the plane's profit, and booked against the
// result of the route's origin airport; recurs monthly while the plane has a
// route. Changing or closing the route cancels the pending one.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class RouteCostEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 7;

    RouteCostEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
