#include "Common/Backend/Events/RefuelEvent.h"

#include "Common/Backend/Events/CheckInEvent.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Plane.h"
#include "WinCE/Assert.h"

ScheduledEvent* RefuelEvent::Create()
{
    return new RefuelEvent();
}

int RefuelEvent::Execute()
{
    Plane* plane = _plane;
    ASSERT(plane && "a refuel belongs to a plane");
    if (!plane->_running)
    {
        plane->Stop();
        return 0;
    }
    plane->_flight_state = Plane::PHASE_REFUEL;
    CheckInEvent* checkIn = new CheckInEvent();
    checkIn->_plane = plane;
    EventCommon::Schedule(checkIn, EventCommon::AfterMinutes(_time, EventCommon::REFUEL_MINUTES));
    return 0;
}
