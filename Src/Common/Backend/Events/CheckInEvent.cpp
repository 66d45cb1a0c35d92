#include "Common/Backend/Events/CheckInEvent.h"

#include "Common/Backend/Events/DepartureEvent.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Plane.h"
#include "WinCE/Assert.h"

ScheduledEvent* CheckInEvent::Create()
{
    return new CheckInEvent();
}

int CheckInEvent::Execute()
{
    Plane* plane = _plane;
    ASSERT(plane && "a check-in belongs to a plane");
    if (!plane->_running)
    {
        plane->Stop();
        return 0;
    }
    plane->_flight_state = Plane::PHASE_CHECK_IN;
    DepartureEvent* departure = new DepartureEvent();
    departure->_plane = plane;
    EventCommon::Schedule(departure, EventCommon::AfterMinutes(_time, EventCommon::CHECK_IN_MINUTES));
    return 0;
}
