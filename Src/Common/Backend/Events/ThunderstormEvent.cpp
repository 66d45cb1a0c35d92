#include "Common/Backend/Events/ThunderstormEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Events/AirportReopenEvent.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "WinCE/Assert.h"
#include "WinCE/Random.h"

ScheduledEvent* ThunderstormEvent::Create()
{
    return new ThunderstormEvent();
}

int ThunderstormEvent::Execute()
{
    AirportDetails* details = _airport;
    ASSERT(details && "an incident belongs to an airport");
    EventCommon::CloseAirport(details, 50, AirportDetails::CLOSED_THUNDERSTORM);
    AirportReopenEvent* reopen = new AirportReopenEvent();
    reopen->_airport = details;
    EventCommon::Schedule(reopen, _time.Add(0, 0, 0, Rand() % 20 + 3, 0, 0));
    return EventCommon::Notice(Notices::THUNDERSTORM);
}
