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
    const Route* route = plane->GetRoute();
    if (!route)
        return 0;
    const int64_t cost = route->MonthlyFee();
    EventCommon::TheCompany().Spend(cost, true);
    plane->AddProfit(-cost);
    if (AirportDetails* origin = EventCommon::DetailsAt(route->_source))
        origin->_result_curr -= cost;
    EventCommon::Recur(*this, _time.Add(0, 1, 0, 0, 0, 0));
    return 0;
}
