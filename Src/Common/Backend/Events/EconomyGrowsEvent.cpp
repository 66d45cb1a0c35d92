#include "Common/Backend/Events/EconomyGrowsEvent.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EconomyLevelsEvent.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "WinCE/Random.h"

ScheduledEvent* EconomyGrowsEvent::Create()
{
    return new EconomyGrowsEvent();
}

int EconomyGrowsEvent::Execute()
{
    if (!Enviroment::SwingEconomy(true))
        return 0;
    EventCommon::Schedule(new EconomyLevelsEvent(), _time.Add(0, Rand() % 4 + 2, 0, 0, 0, 0));
    return EventCommon::Notice(Notices::ECONOMY_GROWS);
}
