#include "Common/Backend/Events/AgencyOfferEvent.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "WinCE/Random.h"

ScheduledEvent* AgencyOfferEvent::Create()
{
    return new AgencyOfferEvent();
}

int AgencyOfferEvent::Execute()
{
    Company& company = EventCommon::TheCompany();
    if (company.GetPlaneCount() == 0)
        return 0;
    Plane* plane = company.GetPlane(Rand() % company.GetPlaneCount());
    if (!plane->HasRoute() || plane->GetRoute()->HasAgency())
        return 0;
    Enviroment::SetDialogPlane(plane);
    return EventCommon::Notice(Notices::AGENCY_OFFER);
}
