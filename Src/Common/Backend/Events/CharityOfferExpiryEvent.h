// CharityOfferExpiryEvent (type 114): the date of a charity flight has come.
//
// If the player assigned a plane and it still flies a route, the flight is
// carried out (its cost charged, the airport's demand raised by a tenth, the plane released to its
// route); otherwise, also when the plane has been sold or has crashed, the
// offer has expired and the player is told.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class CharityOfferExpiryEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 114;

    CharityOfferExpiryEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
