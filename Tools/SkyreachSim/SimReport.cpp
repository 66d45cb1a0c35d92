#include "SkyreachSim/SimReport.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/BankActions.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/ModelReturn.h"
#include "Common/Backend/Events/EventRegistry.h"
#include "Common/Backend/GameState.h"
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
const char* ClassName(int32_t type)
{
    const char* name = EventRegistry::ClassName(type);
    return name ? name : "unknown";
}

const char* AvailabilityName(uint8_t state)
{
    switch (state)
    {
    case Enviroment::MODEL_ON_SALE:
        return "on sale";
    case Enviroment::MODEL_WITHDRAWN:
        return "withdrawn";
    default:
        return "not sold";
    }
}

// Money of the four statistics periods, labelled.
std::vector<std::pair<std::string, int64_t>> ByPeriod(int64_t (Statistics::*figure)(int32_t) const)
{
    static const char* const PERIODS[] = {"total", "last_year", "last_month", "this_month"};
    const Statistics& stats = *Enviroment::GetStatistics();
    std::vector<std::pair<std::string, int64_t>> values;
    for (int32_t period = Statistics::PERIOD_TOTAL; period <= Statistics::PERIOD_CURRENT_MONTH; ++period)
        values.emplace_back(PERIODS[period], (stats.*figure)(period));
    return values;
}
} // namespace

std::string SimReport::AirportName(int32_t airport)
{
    const AirportInfo info = Enviroment::GetAirport(airport);
    return std::string(info._short_name) + ", " + info._country;
}

void SimReport::PlaneLine(SimOutput& out, const Plane& plane, const Time& now)
{
    SimOutput::Record line = out.Line("plane");
    line.Int("id", plane._id)
        .Str("name", plane._name)
        .Int("model", plane._model)
        .Str("model_name", Enviroment::GetPlaneModel(plane._model)._name)
        .Str("status", plane.Status())
        .Int("age", plane.Age(now))
        .Int("value", plane.Value(now))
        .Int("damages", plane._damages)
        .Bool("damaged", plane._damaged != 0)
        .Int("repair_cost", plane._repair_cost);
    if (const Route* route = plane.GetRoute())
    {
        line.Int("from", route->_source)
            .Int("to", route->_destination)
            .Int("price", route->_price_level)
            .Int("service", route->_service_level)
            .Int("agency_tickets", route->_agency_tickets)
            .Int("agency_discount", route->_agency_reduction);
    }
    else
    {
        line.Int("from", -1).Int("to", -1);
    }
    // Tickets count every one sold, also those without a seat; carried are
    // the passengers who flew, the figure the statistics count.
    line.Int("profit", plane._profit).Int("carried", plane._pass_flown).Int("tickets", plane._pass_carried);
}

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
        PlaneLine(out, *company.GetPlane(i), now);

    for (int32_t i = 0; i < company.GetAirportCount(); ++i)
    {
        const AirportDetails* details = company.GetDetails(i);
        std::vector<std::pair<std::string, int64_t>> demand;
        for (int32_t slot = 0; slot < AirportDetails::NEIGHBOURS; ++slot)
            demand.emplace_back(std::to_string(Enviroment::GetNeighbour(details->_airport, slot)),
                                details->DemandFor(slot));
        out.Line("airport")
            .Int("airport", details->_airport)
            .Str("name", AirportName(details->_airport))
            .Bool("office", details->_office != 0)
            .Int("routes_out", details->RoutesOut())
            .Int("routes_in", details->RoutesIn())
            .Pairs("demand", demand)
            .Int("smuggling_risk", details->_smuggling_risk)
            .Int("weather_risk", details->_weather_risk)
            .Int("event_chance", details->_event_chance)
            .Int("strike_risk", details->_strike_risk)
            .Bool("open", details->_open != 0);
    }

    const Statistics& stats = *Enviroment::GetStatistics();
    out.Line("statistics")
        .Pairs("incomes", ByPeriod(&Statistics::GetIncomes))
        .Pairs("costs", ByPeriod(&Statistics::GetCosts))
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

void SimReport::Airports(SimSession& session)
{
    const std::vector<int32_t> homes = GameState::HomeAirportCandidates();
    const Company* company = session.HasGame() ? Enviroment::GetCompany() : nullptr;
    for (int32_t airport = 0; airport < Enviroment::AIRPORT_COUNT; ++airport)
    {
        const bool home = std::find(homes.begin(), homes.end(), airport) != homes.end();
        session.Out()
            .Line("world_airport")
            .Int("airport", airport)
            .Str("name", AirportName(airport))
            .Int("size", Enviroment::GetAirportSize(airport))
            .Bool("may_be_home", home)
            .Bool("known", company && company->FindDetails(airport));
    }
}

void SimReport::Neighbours(SimSession& session, int32_t airport)
{
    const Company* company = session.HasGame() ? Enviroment::GetCompany() : nullptr;
    for (int32_t slot = 0; slot < AirportInfo::NEIGHBOURS; ++slot)
    {
        const int32_t neighbour = Enviroment::GetNeighbour(airport, slot);
        const AirportDetails* details = company ? company->FindDetails(neighbour) : nullptr;
        session.Out()
            .Line("neighbour")
            .Int("airport", airport)
            .Int("slot", slot)
            .Int("to", neighbour)
            .Str("name", AirportName(neighbour))
            .Int("distance", Enviroment::GetDistance(airport, neighbour))
            .Int("setup_cost", Route::SetupCost(airport, neighbour))
            .Bool("known", details != nullptr)
            .Bool("open", !details || details->_open != 0)
            .Bool("served", company && company->ServesPair(airport, neighbour));
    }
}

void SimReport::Models(SimSession& session, bool all)
{
    for (int32_t model = 0; model < Enviroment::GetModelCount(); ++model)
    {
        const uint8_t state = Enviroment::GetModelAvailability(model);
        if (!all && state != Enviroment::MODEL_ON_SALE)
            continue;
        const PlaneModel info = Enviroment::GetPlaneModel(model);
        session.Out()
            .Line("model")
            .Int("model", model)
            .Str("name", info._name)
            .Str("market", AvailabilityName(state))
            .Int("price", info._price)
            .Int("speed", info._speed)
            .Int("range", info._range)
            .Int("capacity", info._capacity)
            .Int("upkeep", Plane::MaintenanceEstimate(model))
            .Int("intro", info._intro_year)
            .Int("withdrawal", info._withdrawal_year);
    }
}

void SimReport::Returns(SimSession& session, int32_t model)
{
    const PlaneModel info = Enviroment::GetPlaneModel(model);
    const int32_t index = Enviroment::BaseCostIndexIn(info._intro_year < Enviroment::FIRST_YEAR
                                                          ? Enviroment::FIRST_YEAR
                                                          : info._intro_year);
    const ModelReturn::Figures best = ModelReturn::BestRoute(model, index, false);
    const ModelReturn::Figures largest = ModelReturn::BestRoute(model, index, true);
    SimOutput& out = session.Out();
    out.Line("model_return")
        .Int("model", model)
        .Str("name", info._name)
        .Int("intro", info._intro_year)
        .Int("withdrawal", info._withdrawal_year)
        .Int("price", info._price)
        .Int("capacity", info._capacity)
        .Int("price_per_seat", info._capacity > 0 ? info._price / info._capacity : 0)
        .Int("cost_index", index)
        .Int("from", best.source)
        .Int("to", best.destination)
        .Int("distance", best.distance)
        .Int("passengers", best.passengers)
        .Int("legs", best.legsPerYear)
        .Int("yearly", best.yearlyNet)
        .Int("percent", best.percent)
        .Int("largest_from", largest.source)
        .Int("largest_to", largest.destination)
        .Int("largest_passengers", largest.passengers)
        .Int("largest_yearly", largest.yearlyNet)
        .Int("largest_percent", largest.percent);
}

void SimReport::Planes(SimSession& session)
{
    const Company& company = *Enviroment::GetCompany();
    for (int32_t i = 0; i < company.GetPlaneCount(); ++i)
        PlaneLine(session.Out(), *company.GetPlane(i), session.Now());
    session.Out().Line("planes").Int("count", company.GetPlaneCount());
}

void SimReport::Bank(SimSession& session)
{
    const Company& company = *Enviroment::GetCompany();
    const Time now = session.Now();
    session.Out()
        .Line("bank")
        .Int("cash", company.GetCash())
        .Int("worth", company.Worth(now))
        .Int("credit", company.GetRemainingCredit())
        .Int("initial_credit", company.GetInitialCredit())
        .Int("mir", company.GetMIR())
        .Int("highest_mir", company.HighestRate())
        .Int("installment", company.HasCredit() ? company.Installment() : 0)
        .Int("limit", BankActions::CreditAmounts(now).high)
        .Bool("may_borrow", BankActions::MayObtain(now));
}
