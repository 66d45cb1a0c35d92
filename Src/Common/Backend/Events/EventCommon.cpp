#include "Common/Backend/Events/EventCommon.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/NoticeSink.h"
#include "WinCE/Assert.h"
#include "WinCE/Random.h"

int EventCommon::Notice(int32_t notice)
{
    if (NoticeSink* sink = GetNoticeSink())
        sink->ShowNotice(notice);
    return 1;
}

void EventCommon::GameOver(int32_t reason)
{
    if (NoticeSink* sink = GetNoticeSink())
        sink->GameOver(reason);
}

Company& EventCommon::TheCompany()
{
    Company* company = Enviroment::GetCompany();
    ASSERT(company && "events run only while the world exists");
    return *company;
}

void EventCommon::Schedule(ScheduledEvent* event, const Time& at)
{
    ASSERT(event && "scheduling no event");
    event->_time = at;
    TimeSimulation::Schedule(event);
}

Time EventCommon::AfterMinutes(const Time& from, int32_t minutes)
{
    return AfterDuration(from, Time::FromMinutes(minutes));
}

Time EventCommon::AfterDuration(const Time& from, const Time& duration)
{
    return from.Add(duration._year, duration._month, duration._day, duration._hour, duration._minute,
                    duration._second);
}

int32_t EventCommon::RandomMinutes(int32_t flightMinutes)
{
    // A route always has a length; a damaged save must still not divide by zero.
    const int32_t r = Rand();
    return flightMinutes > 0 ? r % flightMinutes : 0;
}

AirportDetails* EventCommon::DetailsAt(int32_t airport)
{
    return TheCompany().FindDetails(airport);
}

bool EventCommon::IsOpen(int32_t airport)
{
    const AirportDetails* details = DetailsAt(airport);
    return !details || details->_open;
}

int EventCommon::ExpireSpecialOffer(AirportDetails* details, const Time& now, int32_t expired)
{
    ASSERT(details && "an expiry belongs to an airport");
    if (TheCompany().CompleteSpecialFlight(details, now) == Company::SpecialFlightOutcome::FLOWN)
        return 0;
    Enviroment::SetDialogAirport(details);
    return Notice(expired);
}

void EventCommon::CloseAirport(AirportDetails* details, int32_t lossDivisor, int32_t reason)
{
    ASSERT(details && "closing no airport");
    details->ApplyIncidentLoss(lossDivisor);
    Enviroment::SetDialogAirport(details);
    // Closing sets the flag rather than toggling it: two overlapping closures
    // must not open the airport in the middle of the second.
    details->Close(reason);
}

bool EventCommon::HasPendingAirportEvent(const AirportDetails* details, int32_t type,
                                         const ScheduledEvent* except)
{
    for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
    {
        const ScheduledEvent* event = TimeSimulation::GetEvent(slot);
        if (event != except && event->GetType() == type && event->_airport == details)
            return true;
    }
    return false;
}
