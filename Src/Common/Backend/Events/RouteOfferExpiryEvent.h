// RouteOfferExpiryEvent (type 113): an offer to set up a route has expired.
//
// Scheduled by the route offer, a month ahead; setting up the offered route
// cancels it. The airport may receive new offers afterwards.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class RouteOfferExpiryEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 113;

    RouteOfferExpiryEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
