#include "Common/Backend/Events/PlaneCrashEvent.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "WinCE/Assert.h"

ScheduledEvent* PlaneCrashEvent::Create()
{
    return new PlaneCrashEvent();
}

int PlaneCrashEvent::Execute()
{
    Plane* plane = _plane;
    ASSERT(plane && "a crash belongs to a plane");
    Enviroment::SetDialogPlane(plane);
    TimeSimulation::CancelPlaneEvents(plane, -1, true);
    return EventCommon::Notice(Notices::PLANE_CRASH);
}
