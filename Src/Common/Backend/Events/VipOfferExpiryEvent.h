// VipOfferExpiryEvent (type 115): the date of a VIP flight has come.
//
// If the player assigned a plane and it still flies a route, the flight is
// carried out (its cost charged, the VIPs' reward paid, the plane released to its
// route); otherwise, also when the plane has been sold or has crashed, the
// offer has expired and the player is told.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class VipOfferExpiryEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 115;

    VipOfferExpiryEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
