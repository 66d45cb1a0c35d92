#include "Common/Backend/Events/EconomyFallsEvent.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EconomyLevelsEvent.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "WinCE/Random.h"

ScheduledEvent* EconomyFallsEvent::Create()
{
    return new EconomyFallsEvent();
}

int EconomyFallsEvent::Execute()
{
    if (!Enviroment::SwingEconomy(false))
        return 0;
    EventCommon::Schedule(new EconomyLevelsEvent(), _time.Add(0, Rand() % 4 + 2, 0, 0, 0, 0));
    return EventCommon::Notice(Notices::ECONOMY_FALLS);
}
