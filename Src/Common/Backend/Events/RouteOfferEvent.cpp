#include "Common/Backend/Events/RouteOfferEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"

ScheduledEvent* RouteOfferEvent::Create()
{
    return new RouteOfferEvent();
}

int RouteOfferEvent::Execute()
{
    if (!EventCommon::TheCompany().TryMakeOffer(AirportDetails::OFFER_ROUTE, _time))
        return 0;
    return EventCommon::Notice(Notices::ROUTE_OFFER);
}
