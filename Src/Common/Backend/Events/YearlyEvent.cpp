#include "Common/Backend/Events/YearlyEvent.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Statistics.h"

ScheduledEvent* YearlyEvent::Create()
{
    return new YearlyEvent();
}

int YearlyEvent::Execute()
{
    if (_time._year >= TimeSimulation::FINAL_YEAR)
    {
        EventCommon::GameOver(Notices::GAME_OVER_FINAL_YEAR);
        return 1;
    }
    Company& company = EventCommon::TheCompany();
    company.NewYearOperation();
    Enviroment::GetStatistics()->YearlyUpdate(_time._year, company.Worth(_time));
    Enviroment::ScheduleModelChanges(_time._year);
    EventCommon::Recur(*this, _time.Add(1, 0, 0, 0, 0, 0));
    return 0;
}
