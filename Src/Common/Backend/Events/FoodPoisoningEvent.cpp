#include "Common/Backend/Events/FoodPoisoningEvent.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "WinCE/Assert.h"

ScheduledEvent* FoodPoisoningEvent::Create()
{
    return new FoodPoisoningEvent();
}

int FoodPoisoningEvent::Execute()
{
    Plane* plane = _plane;
    ASSERT(plane && "a food poisoning belongs to a plane");
    Enviroment::SetDialogPlane(plane);
    EventCommon::TheCompany().FoodPoisoningDemandLoss(plane);
    return EventCommon::Notice(Notices::FOOD_POISONING);
}
