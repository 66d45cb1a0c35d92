#include "Common/Backend/Events/OfficeRentEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Events/EventCommon.h"
#include "WinCE/Assert.h"

ScheduledEvent* OfficeRentEvent::Create()
{
    return new OfficeRentEvent();
}

int OfficeRentEvent::Execute()
{
    AirportDetails* details = _airport;
    ASSERT(details && "a rent belongs to an airport");
    if (EventCommon::HasPendingAirportEvent(details, TYPE, this) ||
        !EventCommon::TheCompany().PayOfficeRent(details))
        return 0;
    EventCommon::Recur(*this, _time.Add(0, 1, 0, 0, 0, 0));
    return 0;
}
