// EmergencyStateEvent (type 118): a state of emergency closes an airport for months.
//
// Drawn by the monthly airport check. Every route of the company that starts
// or ends at the airport is closed (the planes keep flying nowhere until the
// player gives them a new route); the airport closes with reason 7 and
// reopens 2 to 8 months later. Demand is not touched and the pending mark
// stays set, so the weekly check draws nothing meanwhile.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class EmergencyStateEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 118;

    EmergencyStateEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
