#include "Common/Backend/Events/DepartureEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/BirthInAirEvent.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Events/FoodPoisoningEvent.h"
#include "Common/Backend/Events/HeartAttackEvent.h"
#include "Common/Backend/Events/LandingEvent.h"
#include "Common/Backend/Events/PlaneCrashEvent.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "WinCE/Assert.h"
#include "WinCE/Random.h"
#include "WinCE/TickCount.h"

ScheduledEvent* DepartureEvent::Create()
{
    return new DepartureEvent();
}

int DepartureEvent::Execute()
{
    Plane* plane = _plane;
    ASSERT(plane && "a departure belongs to a plane");
    Route* route = plane->GetRoute();
    if (!route)
        return 0;
    const AirportDetails* origin = EventCommon::DetailsAt(route->_source);
    const double t = static_cast<double>(GetTickCount() % 1000);

    // A closure at either end halts the plane; stopped, it waits for the
    // reopening pass of the airport.
    if (!EventCommon::IsOpen(route->_source) || !EventCommon::IsOpen(route->_destination))
    {
        const AirportDetails* first = EventCommon::DetailsAt(route->_source);
        const AirportDetails* second = EventCommon::DetailsAt(route->_destination);
        int32_t reason = first ? first->_closure_reason : AirportDetails::OPEN;
        if (reason < 1 && second)
            reason = second->_closure_reason;
        plane->_stop_reason = reason;
        plane->Halt();
    }
    if (!plane->_running || plane->_damaged)
    {
        plane->Stop();
        return 0;
    }

    const int32_t weatherRisk = origin ? origin->_weather_risk : 0;
    const double damage = plane->DamageRisk(_time, weatherRisk) * 1000 / 2;
    int32_t r = Rand() % 1000;
    if (t < r && r < t + damage)
    {
        plane->Damage();
        Enviroment::SetDialogPlane(plane);
        return EventCommon::Notice(Notices::PLANE_DAMAGE);
    }

    const double crash = plane->CrashRisk(_time, weatherRisk) * 1000 / 2;
    r = Rand() % 1000;
    if (t < r && r < t + crash)
    {
        // The plane is in the air and will not arrive.
        PlaneCrashEvent* event = new PlaneCrashEvent();
        event->_plane = plane;
        EventCommon::Schedule(
            event, EventCommon::AfterMinutes(_time, EventCommon::RandomMinutes(route->DurationMinutes())));
        return 0;
    }

    EventCommon::TheCompany().DepartureBookkeeping(plane);
    LandingEvent* landing = new LandingEvent();
    landing->_plane = plane;
    EventCommon::Schedule(landing, EventCommon::AfterDuration(_time, route->_duration));

    if (plane->_pass_on_board < route->_agency_tickets)
    {
        Enviroment::SetDialogPlane(plane);
        route->ClearAgency();
        return EventCommon::Notice(Notices::AGENCY_SHORT_OF_SEATS);
    }

    // Each passenger incident has exactly one value of r in the window.
    ScheduledEvent* incident = nullptr;
    r = Rand() % 1000;
    if (t < r && r < t + 2)
        incident = new HeartAttackEvent();
    if (!incident)
    {
        r = Rand() % 1000;
        if (t < r && r < t + 2)
            incident = new FoodPoisoningEvent();
    }
    if (!incident)
    {
        r = Rand() % 1000;
        if (t < r && r < t + 2)
            incident = new BirthInAirEvent();
    }
    if (incident)
    {
        incident->_plane = plane;
        EventCommon::Schedule(
            incident, EventCommon::AfterMinutes(_time, EventCommon::RandomMinutes(route->DurationMinutes())));
        return 0;
    }

    const double smuggling = (origin ? origin->_smuggling_risk : 0) / 100000.0 * 1000 / 8;
    r = Rand() % 1000;
    if (r > t && r < t + smuggling)
    {
        Enviroment::SetDialogPlane(plane);
        return EventCommon::Notice(Notices::SMUGGLING_OFFER);
    }
    return 0;
}
