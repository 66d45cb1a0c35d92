// DepartureEvent (type 1): a plane of the company takes off on its route.
//
// The heart of the flight cycle and the place where chance strikes. A closed
// airport at either end halts the plane; a running, sound plane then draws,
// against one tick-count window t = ticks mod 1000, damage and a crash; if
// it takes off it books passengers and revenue and is due to land after the
// route's flight time. A travel agency whose tickets do not fit the plane
// withdraws; then one of three passenger incidents may be scheduled during the
// flight, and last an offer to smuggle may be made at the origin airport.
// Draws: damage, crash, heart attack, food poisoning, birth, smuggling, each a
// fresh rand() mod 1000 and only as far as the departure gets.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class DepartureEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 1;

    DepartureEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
