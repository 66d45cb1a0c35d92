// AgencyOfferEvent (type 213): a travel agency offers a contract for a route.
//
// Drawn by the monthly event. One plane of the company is picked at random;
// if it flies a route without a contract, the agency makes its offer (the
// terms are drawn when the notice is built, NoticeActions::DrawAgencyOffer).
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class AgencyOfferEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 213;

    AgencyOfferEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
