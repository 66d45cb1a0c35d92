// AirportReopenEvent (type 111): a closed airport opens again.
//
// Clears the closure and lets the planes that a closure of this airport
// stopped fly again (the company's reopening pass). Closures can overlap (the
// monthly check draws bad weather or an emergency regardless of a running
// closure); the airport opens only with the reopening of the last of them.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class AirportReopenEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 111;

    AirportReopenEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
