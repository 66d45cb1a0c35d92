#include "Common/Backend/Events/AgencyContractEndEvent.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "WinCE/Assert.h"

ScheduledEvent* AgencyContractEndEvent::Create()
{
    return new AgencyContractEndEvent();
}

int AgencyContractEndEvent::Execute()
{
    Plane* plane = _plane;
    ASSERT(plane && "a contract end belongs to a plane");
    Route* route = plane->GetRoute();
    if (!route || route->_agency_tickets < 1)
        return 0;
    Enviroment::SetDialogPlane(plane);
    route->ClearAgency();
    return EventCommon::Notice(Notices::AGENCY_DEMAND_FALLEN);
}
