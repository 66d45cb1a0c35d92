#include "Common/Backend/Events/PlaneCrashEvent.h"

#include "Common/Backend/Company.h"
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
    // The company's only plane is lost and the cash buys no other: nothing
    // can fly again, so the game ends here instead of asking for a
    // replacement that cannot be bought.
    const Company& company = EventCommon::TheCompany();
    if (company.GetPlaneCount() == 1 && !company.CanAffordAnyPlane())
    {
        EventCommon::GameOver(Notices::GAME_OVER_LAST_PLANE);
        return 1;
    }
    return EventCommon::Notice(Notices::PLANE_CRASH);
}
