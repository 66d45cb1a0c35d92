#include "Common/Backend/Events/CharityOfferExpiryEvent.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "WinCE/Assert.h"

ScheduledEvent* CharityOfferExpiryEvent::Create()
{
    return new CharityOfferExpiryEvent();
}

int CharityOfferExpiryEvent::Execute()
{
    AirportDetails* details = _airport;
    ASSERT(details && "an expiry belongs to an airport");
    if (EventCommon::TheCompany().CompleteSpecialFlight(details, _time) ==
        Company::SpecialFlightOutcome::FLOWN)
        return 0;
    Enviroment::SetDialogAirport(details);
    return EventCommon::Notice(Notices::CHARITY_EXPIRED);
}
