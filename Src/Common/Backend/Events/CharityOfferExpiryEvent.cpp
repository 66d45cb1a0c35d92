#include "Common/Backend/Events/CharityOfferExpiryEvent.h"

#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"

ScheduledEvent* CharityOfferExpiryEvent::Create()
{
    return new CharityOfferExpiryEvent();
}

int CharityOfferExpiryEvent::Execute()
{
    return EventCommon::ExpireSpecialOffer(_airport, _time, Notices::CHARITY_EXPIRED);
}
