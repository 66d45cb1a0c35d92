#include "Common/Backend/Events/BadWeatherEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Events/AirportReopenEvent.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "WinCE/Assert.h"
#include "WinCE/Random.h"

ScheduledEvent* BadWeatherEvent::Create()
{
    return new BadWeatherEvent();
}

int BadWeatherEvent::Execute()
{
    AirportDetails* details = _airport;
    ASSERT(details && "an incident belongs to an airport");
    EventCommon::CloseAirport(details, 10, AirportDetails::CLOSED_BAD_WEATHER);
    AirportReopenEvent* reopen = new AirportReopenEvent();
    reopen->_airport = details;
    EventCommon::Schedule(reopen, Time(_time._year, _time._month, _time._day + 7, 0, 0, 0));
    return EventCommon::Notice(Notices::BAD_WEATHER);
}
