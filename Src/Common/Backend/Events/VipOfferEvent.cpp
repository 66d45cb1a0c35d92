#include "Common/Backend/Events/VipOfferEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"

ScheduledEvent* VipOfferEvent::Create()
{
    return new VipOfferEvent();
}

int VipOfferEvent::Execute()
{
    if (!EventCommon::TheCompany().TryMakeOffer(AirportDetails::OFFER_VIP, _time))
        return 0;
    return EventCommon::Notice(Notices::VIP_OFFER);
}
