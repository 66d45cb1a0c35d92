#include "Common/Backend/Events/EconomyLevelsEvent.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"

ScheduledEvent* EconomyLevelsEvent::Create()
{
    return new EconomyLevelsEvent();
}

int EconomyLevelsEvent::Execute()
{
    Enviroment::LevelEconomy();
    return EventCommon::Notice(Notices::ECONOMY_LEVELS);
}
