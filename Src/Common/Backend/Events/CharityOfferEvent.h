// CharityOfferEvent (type 211): an offer of a charity flight.
//
// Drawn by the monthly event. One airport of the company is picked at random;
// if it is open, has no offer of the kind this year and no open offer, runs
// fewer than four routes and passes the offer's own test, the offer is made
// there and its expiry scheduled (Company::TryMakeOffer).
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class CharityOfferEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 211;

    CharityOfferEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
