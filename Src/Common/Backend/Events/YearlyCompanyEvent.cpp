#include "Common/Backend/Events/YearlyCompanyEvent.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Events/EventCommon.h"

ScheduledEvent* YearlyCompanyEvent::Create()
{
    return new YearlyCompanyEvent();
}

int YearlyCompanyEvent::Execute()
{
    EventCommon::TheCompany().AprilOperation();
    EventCommon::Recur(*this, _time.Add(1, 0, 0, 0, 0, 0));
    return 0;
}
