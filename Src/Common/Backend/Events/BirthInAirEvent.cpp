#include "Common/Backend/Events/BirthInAirEvent.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "WinCE/Assert.h"

ScheduledEvent* BirthInAirEvent::Create()
{
    return new BirthInAirEvent();
}

int BirthInAirEvent::Execute()
{
    ASSERT(_plane && "a passenger incident belongs to a plane");
    Enviroment::SetDialogPlane(_plane);
    return EventCommon::Notice(Notices::BIRTH_IN_AIR);
}
