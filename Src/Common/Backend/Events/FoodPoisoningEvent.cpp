#include "Common/Backend/Events/FoodPoisoningEvent.h"

#include "Common/Backend/AirportDetails.h"
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
    if (const Route* route = plane->GetRoute())
    {
        if (AirportDetails* source = EventCommon::DetailsAt(route->_source))
            source->ScaleDemand(9, 10);
        if (AirportDetails* destination = EventCommon::DetailsAt(route->_destination))
            destination->ScaleDemand(9, 10);
    }
    return EventCommon::Notice(Notices::FOOD_POISONING);
}
