#include "SkyreachSim/SimReport.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventRegistry.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/ScheduledEvent.h"
#include "Common/Backend/Statistics.h"
#include "Common/Backend/TimeSimulation.h"
#include "SkyreachSim/SimSession.h"

#include <algorithm>
#include <vector>

namespace
{
std::string AirportName(int32_t airport)
{
    const AirportInfo info = Enviroment::GetAirport(airport);
    return std::string(info._short_name) + ", " + info._country;
}

const char* ClassName(int32_t type)
{
    const char* name = EventRegistry::ClassName(type);
    return name ? name : "unknown";
}
} // namespace

void SimReport::Report(SimSession& session)
{
    SimOutput& out = session.Out();
    Company& company = *Enviroment::GetCompany();
    const Time now = session.Now();
    out.Line("company")
        .Str("name", company.GetName())
        .Str("date", SimOutput::Date(now))
        .Int("cash", company.GetCash())
        .Int("worth", company.Worth(now))
        .Int("credit", company.GetRemainingCredit())
        .Int("mir", company.GetMIR())
        .Int("cost_index", Enviroment::GetCostIndex())
        .Int("planes", company.GetPlaneCount())
        .Int("airports", company.GetAirportCount())
        .Int("notices", session.Sink().NoticesShown())
        .Int("gameover", session.Sink().GameOverReason());

    for (int32_t i = 0; i < company.GetPlaneCount(); ++i)
    {
        const Plane* plane = company.GetPlane(i);
        SimOutput::Record line = out.Line("plane");
        line.Int("id", plane->_id)
            .Str("name", plane->_name)
            .Int("model", plane->_model)
            .Str("model_name", Enviroment::GetPlaneModel(plane->_model)._name)
            .Str("status", plane->Status());
        if (const Route* route = plane->GetRoute())
            line.Int("from", route->_source).Int("to", route->_destination);
        else
            line.Int("from", -1).Int("to", -1);
        line.Int("profit", plane->_profit).Int("passengers", plane->_pass_carried).Int("damages", plane->_damages);
    }

    for (int32_t i = 0; i < company.GetAirportCount(); ++i)
    {
        const AirportDetails* details = company.GetDetails(i);
        std::vector<int64_t> demand;
        for (int32_t slot = 0; slot < AirportDetails::NEIGHBOURS; ++slot)
            demand.push_back(details->DemandFor(slot));
        out.Line("airport")
            .Int("airport", details->_airport)
            .Str("name", AirportName(details->_airport))
            .Bool("office", details->_office != 0)
            .Int("routes_out", details->RoutesOut())
            .Int("routes_in", details->RoutesIn())
            .Ints("demand", demand)
            .Ints("risks", {details->_smuggling_risk, details->_weather_risk, details->_event_chance,
                            details->_strike_risk})
            .Bool("open", details->_open != 0);
    }

    const Statistics& stats = *Enviroment::GetStatistics();
    std::vector<int64_t> incomes;
    std::vector<int64_t> costs;
    for (int32_t period = Statistics::PERIOD_TOTAL; period <= Statistics::PERIOD_CURRENT_MONTH; ++period)
    {
        incomes.push_back(stats.GetIncomes(period));
        costs.push_back(stats.GetCosts(period));
    }
    out.Line("statistics")
        .Ints("incomes", incomes)
        .Ints("costs", costs)
        .Int("passengers", stats.GetPassengersEver())
        .Int("in_the_air", stats.GetPassengersInTheAir());

    // Every event class of the catalogue, with how often it fired in this run.
    const int32_t* types = EventRegistry::Types();
    int32_t classesFired = 0;
    for (int32_t i = 0; i < EventRegistry::CLASS_COUNT; ++i)
    {
        const auto found = session.Fired().find(types[i]);
        const int64_t count = found == session.Fired().end() ? 0 : found->second;
        classesFired += count > 0;
        out.Line("fired").Int("type", types[i]).Str("class", ClassName(types[i])).Int("count", count);
    }
    out.Line("events_fired").Int("total", session.FiredTotal()).Int("classes", classesFired).Int(
        "pending", TimeSimulation::GetEventCount());
}

void SimReport::PendingEvents(SimSession& session)
{
    std::vector<const ScheduledEvent*> events;
    for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
        events.push_back(TimeSimulation::GetEvent(slot));
    // Fire order: by time, then by the order they were scheduled in.
    std::sort(events.begin(), events.end(), [](const ScheduledEvent* a, const ScheduledEvent* b) {
        if (a->_time.IsAfter(b->_time))
            return false;
        if (b->_time.IsAfter(a->_time))
            return true;
        return a->_id < b->_id;
    });
    for (const ScheduledEvent* event : events)
    {
        int32_t subject = -1;
        if (event->_plane)
            subject = event->_plane->_id;
        else if (event->_airport)
            subject = event->_airport->_airport;
        session.Out()
            .Line("event")
            .Int("type", event->GetType())
            .Str("class", ClassName(event->GetType()))
            .Str("time", SimOutput::Date(event->_time))
            .Int("subject", subject);
    }
    session.Out().Line("events").Int("pending", static_cast<int64_t>(events.size()));
}
