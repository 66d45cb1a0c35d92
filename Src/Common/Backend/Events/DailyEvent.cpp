#include "Common/Backend/Events/DailyEvent.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Statistics.h"

ScheduledEvent* DailyEvent::Create()
{
    return new DailyEvent();
}

bool DailyEvent::IsPlausible() const
{
    return ScheduledEvent::IsPlausible() && _time._day >= 1 && _time._day <= Statistics::MONTH_DAYS;
}

int DailyEvent::Execute()
{
    Company& company = EventCommon::TheCompany();
    const int64_t worth = company.Worth(_time);
    if (worth < 0)
        EventCommon::GameOver(Notices::GAME_OVER_BANKRUPTCY);
    // An airline joining more than half of all the pairs of neighbouring
    // airports has conquered the world: the game ends with that title.
    else if (company.ServedPairCount() * 2 > Enviroment::PossibleRouteCount())
        EventCommon::GameOver(Notices::GAME_OVER_HALF_OF_ROUTES);
    Enviroment::GetStatistics()->DailyUpdate(_time._day, worth);
    EventCommon::Recur(*this, _time.Add(0, 0, 1, 0, 0, 0));
    return 0;
}
