#include "Common/Backend/Events/AirportReopenEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Events/EventCommon.h"
#include "WinCE/Assert.h"

ScheduledEvent* AirportReopenEvent::Create()
{
    return new AirportReopenEvent();
}

int AirportReopenEvent::Execute()
{
    AirportDetails* details = _airport;
    ASSERT(details && "a reopening belongs to an airport");
    if (EventCommon::HasPendingAirportEvent(details, TYPE, this))
        return 0;
    details->Reopen();
    EventCommon::TheCompany().ReopeningPass(details, _time);
    return 0;
}
