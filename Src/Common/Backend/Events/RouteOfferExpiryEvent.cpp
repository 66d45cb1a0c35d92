#include "Common/Backend/Events/RouteOfferExpiryEvent.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "WinCE/Assert.h"

ScheduledEvent* RouteOfferExpiryEvent::Create()
{
    return new RouteOfferExpiryEvent();
}

int RouteOfferExpiryEvent::Execute()
{
    AirportDetails* details = _airport;
    ASSERT(details && "an expiry belongs to an airport");
    Enviroment::SetDialogAirport(details);
    EventCommon::TheCompany().ExpireRouteOffer(details);
    return EventCommon::Notice(Notices::ROUTE_OFFER_EXPIRED);
}
