#include "Common/Backend/Events/PoliceReleaseEvent.h"

#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Events/RefuelEvent.h"
#include "Common/Backend/Plane.h"
#include "WinCE/Assert.h"

ScheduledEvent* PoliceReleaseEvent::Create()
{
    return new PoliceReleaseEvent();
}

int PoliceReleaseEvent::Execute()
{
    Plane* plane = _plane;
    ASSERT(plane && "a release belongs to a plane");
    plane->_stop_reason = Plane::STOP_PAUSED;
    plane->_running = 1;
    plane->_flight_state = Plane::PHASE_MAINTAIN;
    if (plane->HasRoute())
    {
        RefuelEvent* refuel = new RefuelEvent();
        refuel->_plane = plane;
        EventCommon::Schedule(refuel, EventCommon::AfterMinutes(_time, 600));
    }
    return 0;
}
