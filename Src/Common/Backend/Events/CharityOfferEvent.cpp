#include "Common/Backend/Events/CharityOfferEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"

ScheduledEvent* CharityOfferEvent::Create()
{
    return new CharityOfferEvent();
}

int CharityOfferEvent::Execute()
{
    if (!EventCommon::TheCompany().TryMakeOffer(AirportDetails::OFFER_CHARITY, _time))
        return 0;
    return EventCommon::Notice(Notices::CHARITY_OFFER);
}
