#include "Common/Backend/Events/VipOfferExpiryEvent.h"

#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"

ScheduledEvent* VipOfferExpiryEvent::Create()
{
    return new VipOfferExpiryEvent();
}

int VipOfferExpiryEvent::Execute()
{
    return EventCommon::ExpireSpecialOffer(_airport, _time, Notices::VIP_EXPIRED);
}
