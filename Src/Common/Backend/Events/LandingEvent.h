// LandingEvent (type 2): a plane of the company lands at the end of a flight.
//
// Takes the passengers off the statistics' count of people in the air and
// settles a smuggling run: caught (window t < r < t + 250, t = ticks mod 1000)
// the company pays the fine and the police hold the plane for 14 days
// (PoliceReleaseEvent); otherwise the payment is income. Then 10 hours of
// maintenance until the next refuel, if the plane still has a route.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class LandingEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 2;

    LandingEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
