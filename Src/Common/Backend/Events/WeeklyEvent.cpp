#include "Common/Backend/Events/WeeklyEvent.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Events/EventCommon.h"

ScheduledEvent* WeeklyEvent::Create()
{
    return new WeeklyEvent();
}

int WeeklyEvent::Execute()
{
    EventCommon::TheCompany().WeeklyAirportChecks(_time);
    EventCommon::Recur(*this, _time.Add(0, 0, 7, 0, 0, 0));
    return 0;
}
