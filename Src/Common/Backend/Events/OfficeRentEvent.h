// OfficeRentEvent (type 100): the monthly rent of an office of the company.
//
// From the month after the office was bought: the office fee is charged as a
// cost and booked against the airport's result. The chain ends when the
// office is gone. An office sold and bought again within a month has two
// chains; the older one ends, so one office is charged once.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class OfficeRentEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 100;

    OfficeRentEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
