#include "Common/Backend/Events/LandingEvent.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Events/PoliceReleaseEvent.h"
#include "Common/Backend/Events/RefuelEvent.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "WinCE/Assert.h"
#include "WinCE/Random.h"
#include "WinCE/TickCount.h"

ScheduledEvent* LandingEvent::Create()
{
    return new LandingEvent();
}

int LandingEvent::Execute()
{
    Plane* plane = _plane;
    ASSERT(plane && "a landing belongs to a plane");
    if (!plane->_running)
    {
        plane->Stop();
        return 0;
    }
    Company& company = EventCommon::TheCompany();
    company.Landing(plane);

    Route* route = plane->GetRoute();
    if (route && route->IsSmuggling())
    {
        const uint32_t t = GetTickCount() % 1000;
        const uint32_t r = static_cast<uint32_t>(Rand() % 1000);
        if (t < r && r < t + 250)
        {
            // The notice shows the fine, which the settlement clears from the route.
            NoticeActions::SetNoticeAmount(route->SmugglingFine());
            company.SettleSmuggling(plane, true);
            PoliceReleaseEvent* release = new PoliceReleaseEvent();
            release->_plane = plane;
            EventCommon::Schedule(release, _time.Add(0, 0, 14, 0, 0, 0));
            Enviroment::SetDialogPlane(plane);
            return EventCommon::Notice(Notices::SMUGGLING_DETECTED);
        }
        company.SettleSmuggling(plane, false);
    }

    plane->_flight_state = Plane::PHASE_MAINTAIN;
    if (plane->HasRoute())
    {
        RefuelEvent* refuel = new RefuelEvent();
        refuel->_plane = plane;
        EventCommon::Schedule(refuel, EventCommon::AfterMinutes(_time, EventCommon::MAINTENANCE_MINUTES));
    }
    else
    {
        plane->_running = 0;
    }
    return 0;
}
