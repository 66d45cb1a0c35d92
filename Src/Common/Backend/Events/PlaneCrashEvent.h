// PlaneCrashEvent (type 6): a plane crashes during its flight.
//
// Drawn at the departure and due some minutes into the flight. Every other
// pending event of the plane goes (its landing, its monthly costs), so it
// never lands; the crash notice then asks the player to replace the plane or
// shut its route down (NoticeActions).
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class PlaneCrashEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 6;

    PlaneCrashEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
