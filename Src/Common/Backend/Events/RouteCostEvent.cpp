#include "Common/Backend/Events/RouteCostEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Plane.h"
#include "WinCE/Assert.h"

ScheduledEvent* RouteCostEvent::Create()
{
    return new RouteCostEvent();
}

int RouteCostEvent::Execute()
{
    Plane* plane = _plane;
    ASSERT(plane && "a route cost belongs to a plane");
    if (!EventCommon::TheCompany().PayRouteCost(plane))
        return 0;
    EventCommon::Recur(*this, _time.Add(0, 1, 0, 0, 0, 0));
    return 0;
}
