#include "Common/Backend/Events/EmergencyStateEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/AirportReopenEvent.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "WinCE/Assert.h"
#include "WinCE/Random.h"

ScheduledEvent* EmergencyStateEvent::Create()
{
    return new EmergencyStateEvent();
}

int EmergencyStateEvent::Execute()
{
    AirportDetails* details = _airport;
    ASSERT(details && "an emergency belongs to an airport");
    Enviroment::SetDialogAirport(details);
    EventCommon::TheCompany().CloseRoutesThrough(details->_airport, _time);
    details->_open = 0;
    details->_closure_reason = AirportDetails::CLOSED_EMERGENCY;
    AirportReopenEvent* reopen = new AirportReopenEvent();
    reopen->_airport = details;
    EventCommon::Schedule(reopen, _time.Add(0, Rand() % 7 + 2, 0, 0, 0, 0));
    return EventCommon::Notice(Notices::EMERGENCY_STATE);
}
