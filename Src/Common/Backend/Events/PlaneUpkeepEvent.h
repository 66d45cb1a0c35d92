// PlaneUpkeepEvent (type 8): the monthly upkeep of a plane.
//
// Runs from the month after the purchase for as long as the company owns the
// plane (selling it cancels every event of the plane): the maintenance cost
// for the plane's age is charged to the company and to the plane's profit.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class PlaneUpkeepEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 8;

    PlaneUpkeepEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
