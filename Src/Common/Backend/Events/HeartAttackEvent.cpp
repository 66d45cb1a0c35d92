#include "Common/Backend/Events/HeartAttackEvent.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "WinCE/Assert.h"

ScheduledEvent* HeartAttackEvent::Create()
{
    return new HeartAttackEvent();
}

int HeartAttackEvent::Execute()
{
    ASSERT(_plane && "a passenger incident belongs to a plane");
    Enviroment::SetDialogPlane(_plane);
    return EventCommon::Notice(Notices::HEART_ATTACK);
}
