#include "Common/Backend/Events/PlaneUpkeepEvent.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Plane.h"
#include "WinCE/Assert.h"

ScheduledEvent* PlaneUpkeepEvent::Create()
{
    return new PlaneUpkeepEvent();
}

int PlaneUpkeepEvent::Execute()
{
    Plane* plane = _plane;
    ASSERT(plane && "an upkeep belongs to a plane");
    EventCommon::TheCompany().PayUpkeep(plane, _time);
    EventCommon::Recur(*this, _time.Add(0, 1, 0, 0, 0, 0));
    return 0;
}
