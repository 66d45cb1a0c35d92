// RouteOfferEvent (type 210): an offer of an award for setting up a route.
//
// Drawn by the monthly event. One airport of the company is picked at random;
// if it is open, has no offer of the kind this year and no open offer, runs
// fewer than four routes and passes the offer's own test, the offer is made
// there and its expiry scheduled (Company::TryMakeOffer).
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class RouteOfferEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 210;

    RouteOfferEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
