#include "Common/Backend/Company.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Statistics.h"
#include "WinCE/Assert.h"
#include "WinCE/DebugOutput.h"
#include "WinCE/Random.h"
#include "WinCE/TickCount.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace
{
Time OneMonthAfter(const Time& t)
{
    return t.Add(0, 1, 0, 0, 0, 0);
}
} // namespace

Company::Company(Statistics* statistics) : _statistics(statistics)
{
    ASSERT(statistics && "the company books into the world's statistics");
    Reset();
}

Company::~Company() = default;

void Company::Reset()
{
    _name.clear();
    _planes.clear();
    _airports.clear();
    _cash = START_CASH;
    _mir_prompt = 0;
    _oc = 0;
    _rc = 0;
    _ir = START_MIR;
    _top_pid = 1;
    _top_aid = 1;
    _cf = START_CF;
    _home = -1;
    Enviroment::ResetCostIndex();
    Enviroment::SetDialogPlane(nullptr);
    Enviroment::SetDialogAirport(nullptr);
    Enviroment::SetDialogModel(0);
}

// ---------------------------------------------------------------- money

void Company::CheckCash() const
{
    ASSERT(_cash > -20000000000 && _cash < 200000000000);
}

void Company::Spend(int64_t amount, bool book)
{
    _cash -= amount;
    CheckCash();
    if (book)
        _statistics->AddCost(amount);
}

void Company::Earn(int64_t amount, bool book)
{
    _cash += amount;
    CheckCash();
    if (book)
        _statistics->AddIncome(amount);
}

void Company::ObtainCredit(int64_t amount)
{
    _oc = amount;
    _rc = amount;
    Earn(amount, false);
}

void Company::RepayCredit(int64_t amount)
{
    _rc -= amount;
    Spend(amount, false);
}

void Company::SetMIR(int64_t percent)
{
    // The bank never accepts less than the minimal rate of 1 %.
    _ir = std::max<int64_t>(percent, 1);
}

int64_t Company::Installment() const
{
    return _oc * _ir / 100;
}

void Company::AddInterest()
{
    // 0.8 % a month; the interest grows the debt and counts as a cost, but
    // no cash moves.
    const int64_t interest = _rc * 8 / 1000;
    _rc += interest;
    _statistics->AddCost(interest);
}

void Company::PayInstallment()
{
    const int64_t installment = Installment();
    if (installment <= _rc)
    {
        Spend(installment, false);
        _rc -= installment;
    }
    else
    {
        Spend(_rc, false);
        _rc = 0;
    }
}

int64_t Company::FineAmount() const
{
    return _oc * 4 / 100;
}

void Company::Fine()
{
    _rc += FineAmount();
}

int64_t Company::CreditLimit(const Time& now) const
{
    const int64_t limit = Worth(now) * _cf / 1000 / 1000 * 1000;
    return limit < 0 ? 0 : limit;
}

int64_t Company::MaxRepayment() const
{
    const int64_t most = std::min(_rc, _cash);
    return most < 0 ? 0 : most;
}

int64_t Company::HighestRate() const
{
    // Without a credit any rate is payable; the bank still caps it at 30.
    if (_oc <= 0)
        return 30;
    return std::clamp<int64_t>(_cash * 100 / _oc, 1, 30);
}

Company::CreditOutcome Company::MonthlyCredit()
{
    AddInterest();
    const int64_t installment = Installment();
    // The installment is paid only when cash strictly exceeds it.
    if (_cash > installment)
    {
        PayInstallment();
        return _rc > 0 ? CreditOutcome::PAID_CONTINUE : CreditOutcome::PAID_FINISHED;
    }
    if (_cash < _oc / 100)
    {
        Fine();
        return CreditOutcome::FINED;
    }
    _mir_prompt = 1;
    return CreditOutcome::ASK_MIR;
}

int64_t Company::Worth(const Time& now) const
{
    return _cash - _rc + PlanesValue(now) + RealEstateValue();
}

int64_t Company::PlanesValue(const Time& now) const
{
    int64_t value = 0;
    for (const auto& plane : _planes)
        value += plane->Value(now);
    return value;
}

int64_t Company::RealEstateValue() const
{
    int64_t value = 0;
    for (const auto& details : _airports)
    {
        if (details->_office)
            value += AirportDetails::OfficePrice(details->_airport) / 2;
    }
    return value;
}

bool Company::IsBankrupt(const Time& now) const
{
    return Worth(now) < 0;
}

// ---------------------------------------------------------------- periodic passes

void Company::MonthlyProcessing()
{
    for (const auto& details : _airports)
        details->RandomiseRisks();
}

void Company::MonthlyAirportChecks(const Time& date)
{
    for (const auto& details : _airports)
        details->MonthlyAirportCheck(date);
    Enviroment::RaiseCostIndex(Enviroment::MONTHLY_EF_RISE);
    _cf += 1;

    // The economy draw: both tests share one r, so in practice both events or
    // neither are scheduled, and the first to fire wins.
    const uint32_t t1 = GetTickCount() % 100000;
    const uint32_t t2 = GetTickCount() % 100000;
    const int64_t r = Rand() % 100000;
    const int32_t d = Rand() % 28;
    const int32_t h = Rand() % 24;
    const Time at = date.Add(0, 0, d, h, 0, 0);
    if (t1 > r && t1 < r + 5000)
        Enviroment::Events().ScheduleGlobalEvent(WorldEventHooks::ECONOMY_GROWS, at);
    if (t2 > r && t2 < r + 5000)
        Enviroment::Events().ScheduleGlobalEvent(WorldEventHooks::ECONOMY_FALLS, at);
}

void Company::WeeklyAirportChecks(const Time& date)
{
    for (const auto& details : _airports)
        details->WeeklyAirportCheck(date);
}

void Company::AprilOperation()
{
    for (const auto& plane : _planes)
    {
        const Route* route = plane->GetRoute();
        if (!route)
            continue;
        AirportDetails* details = FindDetails(route->_source);
        if (!details)
            continue;
        details->RespondToRoute(details->SlotOf(route->_destination), route->_price_level, route->_service_level);
    }
}

void Company::NewYearOperation()
{
    for (const auto& details : _airports)
    {
        details->_route_offer_pending = 0;
        details->_special_offer_pending = 0;
    }
}

// ---------------------------------------------------------------- fleet

Plane* Company::GetPlane(int32_t position) const
{
    ASSERT(position >= 0 && position < GetPlaneCount() && "plane position out of range");
    return _planes[static_cast<size_t>(position)].get();
}

Plane* Company::FindPlane(int32_t id) const
{
    for (const auto& plane : _planes)
    {
        if (plane->_id == id)
            return plane.get();
    }
    return nullptr;
}

int32_t Company::PositionOf(const Plane* plane) const
{
    for (size_t i = 0; i < _planes.size(); ++i)
    {
        if (_planes[i].get() == plane)
            return static_cast<int32_t>(i);
    }
    return -1;
}

Plane* Company::BuyPlane(int32_t model, const std::string& name, const Time& now)
{
    const int64_t price = Enviroment::GetPlaneModel(model)._price;
    // A price equal to the cash is affordable.
    if (_cash < price)
        return nullptr;
    Spend(price, true);
    _planes.push_back(std::make_unique<Plane>(model, name, now, _top_pid));
    _top_pid += 1;
    Plane* plane = _planes.back().get();
    Enviroment::Events().SchedulePlaneEvent(WorldEventHooks::PLANE_UPKEEP, plane, OneMonthAfter(now));
    return plane;
}

void Company::ForgetPlane(Plane* plane)
{
    // Nothing may keep pointing at a plane that leaves the fleet: its events,
    // the event subject, an offer it was assigned to, and the passengers it
    // had on board (their landing will not happen).
    Enviroment::Events().CancelPlaneEvents(plane, -1, true);
    if (Enviroment::GetDialogPlane() == plane)
        Enviroment::SetDialogPlane(nullptr);
    for (const auto& details : _airports)
    {
        if (details->_event_mark == plane->_id)
            details->_event_mark = 0;
    }
    _statistics->RemovePassengers(plane->_pass_on_board);
    plane->_pass_on_board = 0;
}

void Company::SellPlane(Plane* plane, const Time& now)
{
    const int32_t position = PositionOf(plane);
    ASSERT(position >= 0 && "selling a plane the company does not own");
    const int64_t value = plane->Value(now);
    std::unique_ptr<Route> route = plane->TakeRoute();
    if (route)
    {
        CountRouteClosed(*route, now);
        RefreshMarksAround(*route);
    }
    ForgetPlane(plane);
    _planes.erase(_planes.begin() + position);
    Earn(value, true);
}

std::unique_ptr<Route> Company::RemoveCrashedPlane(Plane* plane, bool keepRoute, const Time& now)
{
    const int32_t position = PositionOf(plane);
    ASSERT(position >= 0 && "removing a plane the company does not own");
    std::unique_ptr<Route> route = plane->TakeRoute();
    ForgetPlane(plane);
    _planes.erase(_planes.begin() + position);
    if (!route)
        return nullptr;
    route->_hold[Route::HOLD_CHARITY] = 0;
    route->_hold[Route::HOLD_VIP] = 0;
    route->ClearSmuggling();
    if (keepRoute)
    {
        route->_replacement = 1;
        return route;
    }
    CountRouteClosed(*route, now);
    RefreshMarksAround(*route);
    return nullptr;
}

void Company::RenamePlane(Plane* plane, const std::string& name)
{
    plane->_name = name;
}

void Company::RepairPlane(Plane* plane, const Time& now)
{
    Spend(plane->_repair_cost, true);
    plane->_profit -= plane->_repair_cost;
    plane->_repair_cost = 0;
    plane->_damaged = 0;
    ResumePlane(plane, now);
}

bool Company::ResumePlane(Plane* plane, const Time& now)
{
    // A plane without a route, still damaged, or held for a charity or VIP
    // flight stays where it is.
    if (!plane->HasRoute() || plane->_damaged || plane->GetRoute()->IsHeld())
        return false;
    const int32_t phase = plane->Resume();
    if (phase < 0)
        return false;
    plane->_flight_state = phase;
    plane->_stop_reason = Plane::STOP_PAUSED;
    // The cycle restarts where it stood: a plane stopped in the air lands, one
    // that had not yet boarded checks in, any other refuels first.
    int32_t type = WorldEventHooks::REFUEL;
    if (phase == Plane::PHASE_FLIGHT)
        type = WorldEventHooks::LANDING;
    else if (phase == Plane::PHASE_CHECK_IN || phase == Plane::PHASE_NONE)
        type = WorldEventHooks::CHECK_IN;
    Enviroment::Events().SchedulePlaneEvent(type, plane, now);
    return true;
}

// ---------------------------------------------------------------- routes

bool Company::ServesPair(int32_t a, int32_t b) const
{
    for (const auto& plane : _planes)
    {
        const Route* route = plane->GetRoute();
        if (route && ((route->_source == a && route->_destination == b) ||
                      (route->_source == b && route->_destination == a)))
            return true;
    }
    return false;
}

int32_t Company::ServedPairCount() const
{
    std::set<std::pair<int32_t, int32_t>> pairs;
    for (const auto& plane : _planes)
    {
        if (const Route* route = plane->GetRoute())
            pairs.insert(std::minmax(route->_source, route->_destination));
    }
    return static_cast<int32_t>(pairs.size());
}

bool Company::CanAffordAnyPlane() const
{
    const int32_t cheapest = Enviroment::CheapestModelFor(0);
    return cheapest >= 0 && Enviroment::GetPlaneModel(cheapest)._price <= _cash;
}

bool Company::MayOpenRoute(int32_t source, int32_t destination) const
{
    // One route per pair of airports, in either direction, and at most four
    // routes out of an airport.
    if (Enviroment::GetDistance(source, destination) < 0 || ServesPair(source, destination))
        return false;
    const AirportDetails* details = FindDetails(source);
    return !details || details->RoutesOut() < AirportDetails::MAX_ROUTES_OUT;
}

void Company::CountRouteOpened(const Route& route)
{
    if (AirportDetails* source = FindDetails(route._source))
        source->RouteOutOpened();
    if (AirportDetails* destination = FindDetails(route._destination))
        destination->RouteInOpened();
}

void Company::CountRouteClosed(const Route& route, const Time& now)
{
    if (AirportDetails* source = FindDetails(route._source))
        source->RouteOutClosed(now);
    if (AirportDetails* destination = FindDetails(route._destination))
        destination->RouteInClosed(now);
}

void Company::CountRoutesAt(int32_t airport, int32_t* out, int32_t* in) const
{
    *out = 0;
    *in = 0;
    for (const auto& plane : _planes)
    {
        if (const Route* route = plane->GetRoute())
        {
            *out += route->_source == airport ? 1 : 0;
            *in += route->_destination == airport ? 1 : 0;
        }
    }
}

void Company::RefreshNeighbourMarks(AirportDetails* details) const
{
    // A neighbour is marked while the company runs a route between it and
    // this airport, in either direction; the demand screen shows the marks
    // and route offers skip marked neighbours.
    for (uint32_t slot = 0; slot < AirportDetails::NEIGHBOURS; ++slot)
    {
        if (ServesPair(details->_airport, Enviroment::GetNeighbour(details->_airport, static_cast<int32_t>(slot))))
            details->MarkNeighbour(slot);
        else
            details->UnmarkNeighbour(slot);
    }
}

void Company::RefreshMarksAround(const Route& route)
{
    if (AirportDetails* source = FindDetails(route._source))
        RefreshNeighbourMarks(source);
    if (AirportDetails* destination = FindDetails(route._destination))
        RefreshNeighbourMarks(destination);
}

void Company::ClearFlightCycle(Plane* plane)
{
    // Only the monthly upkeep survives a fresh start of the plane; a landing
    // that will not happen takes the passengers on board off the statistics.
    Enviroment::Events().CancelPlaneEvents(plane, WorldEventHooks::PLANE_UPKEEP, true);
    _statistics->RemovePassengers(plane->_pass_on_board);
    plane->_pass_on_board = 0;
}

void Company::OpenRoute(Plane* plane, int32_t source, int32_t destination, int32_t priceLevel, int32_t serviceLevel,
                        const Time& now)
{
    ASSERT(!plane->HasRoute() && "a plane flies at most one route");
    ASSERT(priceLevel >= 0 && priceLevel < 3 && serviceLevel >= 0 && serviceLevel < 3 && "route levels are 0..2");
    auto route = std::make_unique<Route>(source);
    route->SetDestination(destination);
    route->ComputeDuration(plane->Speed());
    route->_price_level = priceLevel;
    route->_service_level = serviceLevel;
    const int64_t cost = Route::SetupCost(source, destination);
    Spend(cost, true);
    route->_monthly_fee = Route::MonthlyFeeBase(cost);
    plane->SetRoute(std::move(route));
    ClearFlightCycle(plane);
    Enviroment::Events().SchedulePlaneEvent(WorldEventHooks::ROUTE_COST, plane, OneMonthAfter(now));
    CountRouteOpened(*plane->GetRoute());
    RefreshMarksAround(*plane->GetRoute());
    StartFlightCycle(plane, now);
}

void Company::CloseRoute(Plane* plane, const Time& now)
{
    AirportDetails* special = SpecialFlightOf(plane);
    if (special)
        special->_event_mark = 0;
    std::unique_ptr<Route> route = plane->TakeRoute();
    ASSERT(route && "closing the route of a plane without one");
    Enviroment::Events().CancelPlaneEvents(plane, WorldEventHooks::ROUTE_COST, false);
    CountRouteClosed(*route, now);
    RefreshMarksAround(*route);
    plane->_stop_reason = Plane::STOP_PAUSED;
}

void Company::AttachRoute(Plane* plane, std::unique_ptr<Route> route, const Time& now)
{
    ASSERT(!plane->HasRoute() && "a plane flies at most one route");
    ASSERT(route && "attaching no route");
    route->_replacement = 0;
    route->ComputeDuration(plane->Speed());
    plane->SetRoute(std::move(route));
    ClearFlightCycle(plane);
    Enviroment::Events().SchedulePlaneEvent(WorldEventHooks::ROUTE_COST, plane, OneMonthAfter(now));
    StartFlightCycle(plane, now);
}

void Company::MoveRoute(Plane* from, Plane* to, const Time& now)
{
    ASSERT(from != to && from->HasRoute() && "moving a route needs a plane that flies it");
    AirportDetails* special = SpecialFlightOf(from);
    if (special)
        special->_event_mark = 0;
    ClearFlightCycle(from);
    std::unique_ptr<Route> route = from->TakeRoute();
    route->_hold[Route::HOLD_CHARITY] = 0;
    route->_hold[Route::HOLD_VIP] = 0;
    from->_flight_state = Plane::PHASE_NONE;
    from->_running = 0;
    from->_stop_reason = Plane::STOP_PAUSED;
    AttachRoute(to, std::move(route), now);
}

void Company::CloseDetachedRoute(std::unique_ptr<Route> route, const Time& now)
{
    ASSERT(route && "closing no route");
    CountRouteClosed(*route, now);
    RefreshMarksAround(*route);
}

void Company::StartFlightCycle(Plane* plane, const Time& now)
{
    ASSERT(plane->HasRoute() && "a flight cycle needs a route");
    plane->_running = 1;
    plane->_flight_state = Plane::PHASE_CHECK_IN;
    plane->_stop_reason = Plane::STOP_PAUSED;
    Enviroment::Events().SchedulePlaneEvent(WorldEventHooks::CHECK_IN, plane, now);
}

int64_t Company::DepartureBookkeeping(Plane* plane)
{
    Route* route = plane->GetRoute();
    ASSERT(route && "a departure needs a route");
    plane->_flight_state = Plane::PHASE_FLIGHT;
    route->Flip();
    const int32_t n = std::min(route->PassengersPerFlight(FindDetails(route->_source)), plane->Capacity());
    plane->_pass_on_board = n;
    plane->AddPassengersFlown(n);
    _statistics->AddPassengers(n);
    const int64_t revenue = DepartureRevenue(plane);
    if (AirportDetails* source = FindDetails(route->_source))
        source->_result_curr += revenue;
    return revenue;
}

int64_t Company::DepartureRevenue(Plane* plane)
{
    Route* route = plane->GetRoute();
    ASSERT(route && "a departure needs a route");
    plane->_flight_hours += static_cast<double>(route->Distance()) / plane->Speed();
    const int64_t sold = static_cast<int64_t>(route->_passengers_per_flight) + route->_agency_tickets;
    const int64_t n = std::min<int64_t>(sold, plane->Capacity());
    const int64_t income = route->TicketIncome(n);
    const int64_t cost = route->FlightCost(n, plane->Capacity());
    Earn(income, true);
    Spend(cost, true);
    // The carried total counts every ticket sold, even those the plane had
    // no seat for.
    plane->AddPassengers(static_cast<int32_t>(sold));
    plane->AddProfit(income - cost);
    return income - cost;
}

void Company::Landing(Plane* plane)
{
    _statistics->RemovePassengers(plane->_pass_on_board);
    plane->_pass_on_board = 0;
}

void Company::ReopeningPass(AirportDetails* details, const Time& now)
{
    const auto isOpen = [this](int32_t airport) {
        const AirportDetails* d = FindDetails(airport);
        return !d || d->_open;
    };
    for (const auto& plane : _planes)
    {
        const Route* route = plane->GetRoute();
        if (!route || (route->_source != details->_airport && route->_destination != details->_airport))
            continue;
        // Only planes that stand because an airport was closed; paused,
        // impounded and special-flight planes wait for their own release.
        const bool closedByAirport = plane->_stop_reason >= AirportDetails::CLOSED_STRIKE &&
                                     plane->_stop_reason <= AirportDetails::CLOSED_EMERGENCY;
        if (closedByAirport && (plane->IsStopped() || !plane->_running) && isOpen(route->_source) &&
            isOpen(route->_destination))
            ResumePlane(plane.get(), now);
    }
}

void Company::SettleSmuggling(Plane* plane, bool caught)
{
    Route* route = plane->GetRoute();
    ASSERT(route && route->IsSmuggling() && "settling a smuggling run that was not accepted");
    if (caught)
    {
        const int64_t fine = route->SmugglingFine();
        Spend(fine, true);
        plane->AddProfit(-fine);
        plane->_stop_reason = Plane::STOP_IMPOUNDED;
        plane->Stop();
        plane->_running = 0;
    }
    else
    {
        const int64_t payment = route->SmugglingPayment();
        Earn(payment, true);
        plane->AddProfit(payment);
    }
    route->ClearSmuggling();
}

bool Company::PayOfficeRent(AirportDetails* details)
{
    if (!details->_office)
        return false;
    Spend(details->_office_fee, true);
    details->_result_curr -= details->_office_fee;
    return true;
}

bool Company::PayRouteCost(Plane* plane)
{
    const Route* route = plane->GetRoute();
    if (!route)
        return false;
    const int64_t cost = route->MonthlyFee();
    Spend(cost, true);
    plane->AddProfit(-cost);
    if (AirportDetails* source = FindDetails(route->_source))
        source->_result_curr -= cost;
    return true;
}

void Company::PayUpkeep(Plane* plane, const Time& now)
{
    const int64_t cost = plane->MaintenanceCost(now);
    Spend(cost, true);
    plane->AddProfit(-cost);
}

int32_t Company::CloseRoutesThrough(int32_t airport, const Time& now)
{
    // Nothing further is booked for such a closure: a plane in the air still
    // lands and takes its passengers off the count, and the route's monthly
    // cost ends with the route.
    int32_t closed = 0;
    for (const auto& plane : _planes)
    {
        const Route* route = plane->GetRoute();
        if (route && (route->_source == airport || route->_destination == airport))
        {
            CloseRoute(plane.get(), now);
            ++closed;
        }
    }
    return closed;
}

void Company::AcceptAgencyOffer(Plane* plane, int32_t tickets, int32_t discount, const Time& now)
{
    Route* route = plane->GetRoute();
    ASSERT(route && "an agency contract needs a route");
    route->SetAgency(tickets, discount);
    const int32_t days = Rand() % 20;
    const int32_t months = Rand() % 12 + 6;
    const int32_t years = Rand() % 2;
    // Six months or more do not fit one carry of Add: years first, then the
    // months beyond a year.
    const Time end = now.Add(years + months / 12, months % 12, days, 0, 0, 0);
    Enviroment::Events().SchedulePlaneEvent(WorldEventHooks::AGENCY_CONTRACT_END, plane, end);
}

void Company::FoodPoisoningDemandLoss(const Plane* plane)
{
    const Route* route = plane->GetRoute();
    if (!route)
        return;
    if (AirportDetails* source = FindDetails(route->_source))
        source->ScaleDemand(9, 10);
    if (AirportDetails* destination = FindDetails(route->_destination))
        destination->ScaleDemand(9, 10);
}

int64_t Company::PayFoodPoisoning(const Plane* plane)
{
    const int64_t settlement = FoodPoisoningSettlement(plane);
    Spend(settlement, true);
    return settlement;
}

int64_t Company::FoodPoisoningSettlement(const Plane* plane) const
{
    // 2500 a passenger at the cost index in force, in 64 bits: several hundred
    // seats at a late-game index overflow 32-bit arithmetic.
    const Route* route = plane->GetRoute();
    const int64_t n = route ? std::min(route->_passengers_per_flight, plane->Capacity()) : 0;
    return n * 2500 * Enviroment::GetCostIndex() / 1000;
}

// ---------------------------------------------------------------- airports

AirportDetails* Company::GetDetails(int32_t position) const
{
    ASSERT(position >= 0 && position < GetAirportCount() && "airport position out of range");
    return _airports[static_cast<size_t>(position)].get();
}

AirportDetails* Company::FindDetails(int32_t airport) const
{
    for (const auto& details : _airports)
    {
        if (details->_airport == airport)
            return details.get();
    }
    return nullptr;
}

AirportDetails* Company::FindDetailsById(int32_t id) const
{
    for (const auto& details : _airports)
    {
        if (details->_id == id)
            return details.get();
    }
    return nullptr;
}

int32_t Company::PositionOf(const AirportDetails* details) const
{
    for (size_t i = 0; i < _airports.size(); ++i)
    {
        if (_airports[i].get() == details)
            return static_cast<int32_t>(i);
    }
    return -1;
}

AirportDetails* Company::AddDetails(int32_t airport)
{
    _airports.push_back(std::make_unique<AirportDetails>(airport, _top_aid));
    _top_aid += 1;
    AirportDetails* details = _airports.back().get();
    // A route may end at an airport the company holds no details for, and
    // details may be dropped and gathered again while routes run: the new
    // record counts what already runs through the airport, so that closing
    // those routes later takes off only what was counted.
    int32_t out = 0;
    int32_t in = 0;
    CountRoutesAt(airport, &out, &in);
    ASSERT(out <= AirportDetails::MAX_ROUTES_OUT && "more routes start at an airport than it allows");
    details->_route_out_cnt = out;
    details->_route_in_cnt = in;
    RefreshNeighbourMarks(details);
    return details;
}

AirportDetails* Company::Research(int32_t airport, bool free, const Time& now)
{
    AirportDetails* details = FindDetails(airport);
    if (!details)
        details = AddDetails(airport);
    details->Gather(now);
    if (!free)
        Spend(AirportDetails::ResearchCost(airport), true);
    return details;
}

bool Company::NeedsResearch(int32_t airport, const Time& now) const
{
    const AirportDetails* details = FindDetails(airport);
    return !details || details->IsStale(now);
}

void Company::BuyOffice(int32_t airport, int64_t price, const Time& now)
{
    Spend(price, true);
    AirportDetails* details = FindDetails(airport);
    if (details)
    {
        // The office is set first, and a record with an office is never
        // stale: buying an office does not pay for a second research.
        details->_office = 1;
        if (NeedsResearch(airport, now))
            Research(airport, false, now);
    }
    else
    {
        details = Research(airport, false, now);
        details->_office = 1;
    }
    details->_office_fee = price / 20;
    Enviroment::Events().ScheduleAirportEvent(WorldEventHooks::OFFICE_RENT, details, OneMonthAfter(now));
}

void Company::SellOffice(int32_t airport, int64_t value, const Time& now)
{
    AirportDetails* details = FindDetails(airport);
    ASSERT(details && details->_office && "selling an office the company does not have");
    Earn(value, true);
    details->_office = 0;
    details->_research_date = now;
}

void Company::OpenStartingAirport(int32_t airport, const Time& now)
{
    ASSERT(!FindDetails(airport) && "the starting airport is the company's first");
    AirportDetails* details = AddDetails(airport);
    details->_office = 1;
    Research(airport, true, now);
    details->_office_fee = AirportDetails::OfficePrice(airport) / 20;
    Enviroment::Events().ScheduleAirportEvent(WorldEventHooks::OFFICE_RENT, details, OneMonthAfter(now));
    _home = airport;
}

void Company::Advertise(int32_t airport, int32_t campaignSize, const Time& now)
{
    AirportDetails* details = FindDetails(airport);
    if (!details)
        return;
    Spend(AirportDetails::AdvertisingCost(airport, campaignSize), true);
    int32_t snapshot[AirportDetails::NEIGHBOURS];
    details->StartCampaign(campaignSize, snapshot);
    Enviroment::Events().ScheduleCampaignStep(details, OneMonthAfter(now), snapshot, campaignSize);
    Enviroment::Events().ScheduleCampaignGrowth(details, now.Add(1, 0, 0, 0, 0, 0), campaignSize);
}

void Company::DropStaleDetails(const Time& now)
{
    for (size_t i = 0; i < _airports.size();)
    {
        AirportDetails* details = _airports[i].get();
        if (!details->IsStale(now))
        {
            ++i;
            continue;
        }
        Enviroment::Events().CancelAirportEvents(details, -1, true);
        if (Enviroment::GetDialogAirport() == details)
            Enviroment::SetDialogAirport(nullptr);
        _airports.erase(_airports.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

Company::ResearchChoice Company::ResearchChoiceFor(int32_t airport, const Time& now) const
{
    if (AirportDetails::ResearchCost(airport) >= _cash)
        return ResearchChoice::CANNOT_AFFORD;
    return NeedsResearch(airport, now) ? ResearchChoice::ASK : ResearchChoice::NOT_NEEDED;
}

bool Company::CanAffordOffice(int32_t airport) const
{
    return AirportDetails::OfficePrice(airport) < _cash;
}

bool Company::CanAffordCampaign(int32_t airport, int32_t campaignSize) const
{
    return AirportDetails::AdvertisingCost(airport, campaignSize) < _cash;
}

bool Company::HasOffice(int32_t airport) const
{
    const AirportDetails* details = FindDetails(airport);
    return details && details->_office;
}

int64_t Company::OfficeSaleValue(int32_t airport)
{
    return AirportDetails::OfficePrice(airport) / 2;
}

bool Company::MayOpenRouteToNeighbour(int32_t airport, int32_t slot) const
{
    ASSERT(slot >= 0 && slot < AirportDetails::NEIGHBOURS && "a neighbour slot is 0 to 5");
    return MayOpenRoute(airport, Enviroment::GetNeighbour(airport, slot));
}

// ---------------------------------------------------------------- offers

int64_t Company::RoundedReward(int64_t amount) const
{
    return amount / 100 * 100;
}

// Makes an offer at one of the company's airports, picked at random, or none.
// The airport must be open, have no offer of the group pending this year and
// no offer open, run fewer than four routes out, and pass the offer's own test
// (AirportDetails::RouteOfferChance and friends, one draw of rand() mod 1000).
//
// Content, kept in the details and saved with them:
// - route offer: event state 2, the destination (a neighbour the company does
//   not serve yet, at random) in the reserved field, the reward in the event
//   value: 30 to 70 % of the route's setup cost at the time of the offer,
//   whole hundreds; it expires one month after the offer.
// - charity flight: event state 1, a neighbour at random as the destination,
//   no money; VIP flight: event state 3, the same, and the VIP reward in the
//   event value: 20 x isqrt(distance) x airport size, times 100 to 200 %, at
//   the cost index, whole hundreds (18600 to 37200 for 1000 km from a size-150
//   airport at the start). Both expire 2 to 6 days after the offer.
// The event subject becomes the airport and the expiry event is scheduled, so
// the offer event only has to open its notice.
AirportDetails* Company::TryMakeOffer(int32_t offerKind, const Time& fireTime)
{
    ASSERT((offerKind == AirportDetails::OFFER_ROUTE || offerKind == AirportDetails::OFFER_CHARITY ||
            offerKind == AirportDetails::OFFER_VIP) &&
           "unknown offer kind");
    if (_airports.empty())
        return nullptr;
    AirportDetails* details = _airports[static_cast<size_t>(Rand()) % _airports.size()].get();
    const bool routeOffer = offerKind == AirportDetails::OFFER_ROUTE;
    const bool groupPending = routeOffer ? details->_route_offer_pending : details->_special_offer_pending;
    if (!details->_open || groupPending || details->HasOpenOffer() ||
        details->RoutesOut() >= AirportDetails::MAX_ROUTES_OUT)
        return nullptr;

    int32_t chance = 0;
    if (routeOffer)
        chance = details->RouteOfferChance(details->_airport == _home);
    else if (offerKind == AirportDetails::OFFER_CHARITY)
        chance = details->CharityOfferChance();
    else
        chance = details->VipOfferChance();
    if (Rand() % 1000 >= chance)
        return nullptr;

    const int32_t airport = details->_airport;
    int32_t expiryType = WorldEventHooks::ROUTE_OFFER_EXPIRY;
    if (routeOffer)
    {
        int32_t pick = Rand() % details->UnservedNeighbourCount();
        int32_t destination = -1;
        for (uint32_t slot = 0; slot < AirportDetails::NEIGHBOURS; ++slot)
        {
            if (!details->IsMarked(slot) && pick-- == 0)
            {
                destination = Enviroment::GetNeighbour(airport, static_cast<int32_t>(slot));
                break;
            }
        }
        details->_event_value = RoundedReward(Route::SetupCost(airport, destination) * (30 + Rand() % 41) / 100);
        details->_reserved_a = destination;
        details->_route_offer_pending = 1;
        details->_expiry_date = fireTime.Add(0, 1, 0, 0, 0, 0);
    }
    else
    {
        const int32_t destination = Enviroment::GetNeighbour(airport, Rand() % AirportDetails::NEIGHBOURS);
        details->_reserved_a = destination;
        details->_event_value = 0;
        if (offerKind == AirportDetails::OFFER_VIP)
        {
            const int64_t root = Route::ISqrt(static_cast<uint32_t>(std::max(Enviroment::GetDistance(airport, destination), 0)));
            const int64_t reward = root * Enviroment::GetAirportSize(airport) * 20 * (100 + Rand() % 101) / 100;
            details->_event_value = RoundedReward(reward * Enviroment::GetCostIndex() / 1000);
            expiryType = WorldEventHooks::VIP_OFFER_EXPIRY;
        }
        else
        {
            expiryType = WorldEventHooks::CHARITY_OFFER_EXPIRY;
        }
        details->_event_mark = 0;
        details->_special_offer_pending = 1;
        details->_expiry_date = fireTime.Add(0, 0, Rand() % 5 + 2, 0, 0, 0);
    }
    details->_event_state = offerKind;
    Enviroment::SetDialogAirport(details);
    Enviroment::Events().ScheduleAirportEvent(expiryType, details, details->_expiry_date);
    return details;
}

int64_t Company::ClaimRouteOffer(int32_t source, int32_t destination)
{
    AirportDetails* details = FindDetails(source);
    if (!details || details->_event_state != AirportDetails::OFFER_ROUTE || details->_reserved_a != destination)
        return 0;
    const int64_t reward = details->_event_value;
    Earn(reward, true);
    details->ClearOffer();
    Enviroment::Events().CancelAirportEvents(details, WorldEventHooks::ROUTE_OFFER_EXPIRY, false);
    return reward;
}

void Company::ExpireRouteOffer(AirportDetails* details)
{
    // An expired offer must not block the airport's offers for good.
    if (details->_event_state == AirportDetails::OFFER_ROUTE)
        details->ClearOffer();
}

// A plane fits a charity or VIP flight when it flies a route (its crew and
// ground service come from there), is not damaged or impounded, is not already
// bound to a special flight, and its range covers the flight's distance.
bool Company::PlaneFitsSpecialFlight(const Plane* plane, const AirportDetails* details) const
{
    const Route* route = plane->GetRoute();
    if (!route || plane->_damaged || route->IsHeld() || SpecialFlightOf(plane))
        return false;
    if (plane->IsStopped() && plane->_stop_reason == Plane::STOP_IMPOUNDED)
        return false;
    const int32_t distance = Enviroment::GetDistance(details->_airport, details->_reserved_a);
    return distance >= 0 && plane->Range() >= static_cast<uint32_t>(distance);
}

// A special flight costs the plane's operating part of a flight there and back
// (2 x 3 x capacity x isqrt(distance)) at the cost index; no tickets are sold.
int64_t Company::SpecialFlightCost(const Plane* plane, const AirportDetails* details) const
{
    const int32_t distance = std::max(Enviroment::GetDistance(details->_airport, details->_reserved_a), 0);
    const int64_t operating = static_cast<int64_t>(6.0 * plane->Capacity() * Route::ISqrt(static_cast<uint32_t>(distance)));
    return operating * Enviroment::GetCostIndex() / 1000;
}

void Company::AssignSpecialFlight(AirportDetails* details, Plane* plane)
{
    const bool vip = details->_event_state == AirportDetails::OFFER_VIP;
    ASSERT((vip || details->_event_state == AirportDetails::OFFER_CHARITY) && "no charity or VIP offer is open");
    ASSERT(PlaneFitsSpecialFlight(plane, details) && "the plane does not fit the flight");
    details->_event_mark = plane->_id;
    plane->GetRoute()->_hold[vip ? Route::HOLD_VIP : Route::HOLD_CHARITY] = 1;
    plane->_stop_reason = vip ? Plane::STOP_VIP : Plane::STOP_CHARITY;
    // The plane finishes the leg it is on and then stands ready.
    plane->Halt();
}

AirportDetails* Company::SpecialFlightOf(const Plane* plane) const
{
    for (const auto& details : _airports)
    {
        if ((details->_event_state == AirportDetails::OFFER_CHARITY ||
             details->_event_state == AirportDetails::OFFER_VIP) &&
            details->_event_mark != 0 && details->_event_mark == plane->_id)
            return details.get();
    }
    return nullptr;
}

void Company::ReleasePlaneFromSpecialFlight(Plane* plane, const Time& now)
{
    if (Route* route = plane->GetRoute())
    {
        route->_hold[Route::HOLD_CHARITY] = 0;
        route->_hold[Route::HOLD_VIP] = 0;
    }
    if (plane->_stop_reason == Plane::STOP_CHARITY || plane->_stop_reason == Plane::STOP_VIP)
        plane->_stop_reason = Plane::STOP_PAUSED;
    ResumePlane(plane, now);
}

void Company::FreeSpecialFlight(AirportDetails* details, const Time& now)
{
    Plane* plane = FindPlane(details->_event_mark);
    details->_event_mark = 0;
    if (plane)
        ReleasePlaneFromSpecialFlight(plane, now);
}

Company::SpecialFlightOutcome Company::CompleteSpecialFlight(AirportDetails* details, const Time& now)
{
    const bool vip = details->_event_state == AirportDetails::OFFER_VIP;
    Plane* plane = details->_event_mark != 0 ? FindPlane(details->_event_mark) : nullptr;
    if (!plane || !plane->HasRoute())
    {
        details->ClearOffer();
        return SpecialFlightOutcome::EXPIRED;
    }
    const int64_t cost = SpecialFlightCost(plane, details);
    Spend(cost, true);
    if (vip)
    {
        Earn(details->_event_value, true);
        plane->AddProfit(details->_event_value - cost);
    }
    else
    {
        plane->AddProfit(-cost);
        details->ScaleDemand(110, 100);
    }
    details->ClearOffer();
    ReleasePlaneFromSpecialFlight(plane, now);
    return SpecialFlightOutcome::FLOWN;
}

// ---------------------------------------------------------------- save and load

void Company::Save(ConfigBlock& block) const
{
    block.Put("_cash", _cash);
    block.Put("_oc", _oc);
    block.Put("_rc", _rc);
    block.Put("_ir", _ir);
    block.Put("_top_pid", _top_pid);
    block.Put("_top_aid", _top_aid);
    block.Put("_cf", _cf);
    block.PutString("_cname", _name);

    char key[32];
    block.Put("has_planes", static_cast<uint8_t>(_planes.empty() ? 0 : 1));
    if (!_planes.empty())
    {
        block.Put("low_plane", _planes.front()->_id);
        for (size_t i = 0; i < _planes.size(); ++i)
        {
            Plane* plane = _planes[i].get();
            plane->_next_id = i + 1 < _planes.size() ? _planes[i + 1]->_id : -1;
            ConfigBlock child;
            plane->Save(child);
            std::snprintf(key, sizeof(key), "_pi%d", plane->_id);
            block.PutBlock(key, child);
        }
    }
    block.Put("has_airports", static_cast<uint8_t>(_airports.empty() ? 0 : 1));
    if (!_airports.empty())
    {
        block.Put("low_airport", _airports.front()->_id);
        for (size_t i = 0; i < _airports.size(); ++i)
        {
            AirportDetails* details = _airports[i].get();
            details->_next_id = i + 1 < _airports.size() ? _airports[i + 1]->_id : -1;
            ConfigBlock child;
            details->Save(child);
            std::snprintf(key, sizeof(key), "_ai%d", details->_id);
            block.PutBlock(key, child);
        }
    }

    const Plane* dialogPlane = Enviroment::GetDialogPlane();
    block.Put("ev_hp", static_cast<uint8_t>(dialogPlane ? 1 : 0));
    if (dialogPlane)
        block.Put("ev_p", dialogPlane->_id);
    const AirportDetails* dialogAirport = Enviroment::GetDialogAirport();
    block.Put("ev_ha", static_cast<uint8_t>(dialogAirport ? 1 : 0));
    if (dialogAirport)
        block.Put("ev_a", dialogAirport->_id);
    const int32_t model = Enviroment::GetDialogModel();
    block.Put("ev_m", model >= 0 && model < AVAIL_MODELS ? model : 0);
    block.Put("_home", _home);
}

bool Company::RecountRoutes(std::string* error)
{
    // Each airport counts the routes that start and end there, and closing a
    // route takes one off each count. The counts only repeat what the planes'
    // routes say; taking them from the routes means a save whose counts went
    // astray (or whose chain of planes ended early) can never close a route
    // that was not counted.
    std::set<int32_t> airports;
    for (const auto& details : _airports)
    {
        if (!airports.insert(details->_airport).second)
        {
            if (error)
                *error = "airport " + std::to_string(details->_airport) + " has its details twice";
            return false;
        }
        int32_t out = 0;
        int32_t in = 0;
        CountRoutesAt(details->_airport, &out, &in);
        if (out > AirportDetails::MAX_ROUTES_OUT)
        {
            if (error)
                *error = std::to_string(out) + " routes start at airport " + std::to_string(details->_airport);
            return false;
        }
        details->_route_out_cnt = out;
        details->_route_in_cnt = in;
    }
    return true;
}

bool Company::Load(const ConfigBlock& block, std::string* error)
{
    block.Get("_cash", _cash);
    block.Get("_oc", _oc);
    block.Get("_rc", _rc);
    block.Get("_ir", _ir);
    block.Get("_top_pid", _top_pid);
    block.Get("_top_aid", _top_aid);
    block.Get("_cf", _cf);
    block.GetString("_cname", _name);
    block.Get("_home", _home);
    if (!(_cash > CASH_LOW && _cash < CASH_HIGH))
    {
        if (error)
            *error = "company cash " + std::to_string(_cash) + " is outside the possible range";
        return false;
    }
    // The next ids are handed out one by one.
    if (_top_pid < 0 || _top_pid > MAX_PLAUSIBLE_ID || _top_aid < 0 || _top_aid > MAX_PLAUSIBLE_ID)
    {
        if (error)
            *error = "the next plane and airport ids " + std::to_string(_top_pid) + " and " +
                     std::to_string(_top_aid) + " are outside the possible range";
        return false;
    }
    // The worth subtracts the credit, the credit limit multiplies the worth
    // by the factor and the installment the credit by the rate: each stays
    // far inside 64 bits only while these lie within what play produces.
    if (_oc < 0 || _oc > CASH_HIGH || _rc < 0 || _rc > CASH_HIGH || _ir < 0 || _ir > MAX_PLAUSIBLE_RATE ||
        _cf < 0 || _cf > MAX_PLAUSIBLE_CREDIT_FACTOR)
    {
        if (error)
            *error = "the company's credit of " + std::to_string(_oc) + " (" + std::to_string(_rc) +
                     " left) at " + std::to_string(_ir) + " % with factor " + std::to_string(_cf) +
                     " is outside the possible range";
        return false;
    }

    // Planes and airport details are saved as chains: "low_..." names the
    // first record, each record the next in `_next_id`, and an id of 0 or
    // less ends the chain. A missing record ends it too; a chain that comes
    // back on itself, or a record that holds another id than its key (it
    // would be saved again under that id), is damage.
    const auto loadChain = [&](const char* lowKey, const char* keyFormat, auto make, auto& loaded,
                               int32_t& topId) -> bool
    {
        std::set<int32_t> seen;
        int32_t id = -1;
        block.Get(lowKey, id);
        while (id >= 1)
        {
            char key[32];
            std::snprintf(key, sizeof(key), keyFormat, id);
            if (!seen.insert(id).second)
            {
                if (error)
                    *error = std::string("the chain of records comes back to ") + key;
                return false;
            }
            if (id > MAX_PLAUSIBLE_ID)
            {
                if (error)
                    *error = std::string("record ") + key + " has an id no play hands out";
                return false;
            }
            ConfigBlock child;
            if (!block.GetBlock(key, child))
                break;
            auto record = make(id);
            if (!record->Load(child, error))
                return false;
            if (record->_id != id)
            {
                if (error)
                    *error = std::string("record ") + key + " holds the id " + std::to_string(record->_id);
                return false;
            }
            id = record->_next_id;
            topId = std::max(topId, record->_id + 1);
            loaded.push_back(std::move(record));
        }
        return true;
    };

    uint8_t has = 0;
    if (block.Get("has_planes", has))
    {
        std::vector<std::unique_ptr<Plane>> planes;
        const auto makePlane = [](int32_t id) { return std::make_unique<Plane>(0, std::string(), Time(), id); };
        if (has && !loadChain("low_plane", "_pi%d", makePlane, planes, _top_pid))
            return false;
        Enviroment::SetDialogPlane(nullptr);
        _planes = std::move(planes);
    }
    if (block.Get("has_airports", has))
    {
        std::vector<std::unique_ptr<AirportDetails>> airports;
        const auto makeDetails = [](int32_t id) { return std::make_unique<AirportDetails>(0, id); };
        if (has && !loadChain("low_airport", "_ai%d", makeDetails, airports, _top_aid))
            return false;
        Enviroment::SetDialogAirport(nullptr);
        _airports = std::move(airports);
    }

    if (!RecountRoutes(error))
        return false;

    uint8_t hasSubject = 0;
    int32_t subjectId = 0;
    if (block.Get("ev_hp", hasSubject))
        Enviroment::SetDialogPlane(hasSubject && block.Get("ev_p", subjectId) ? FindPlane(subjectId) : nullptr);
    if (block.Get("ev_ha", hasSubject))
        Enviroment::SetDialogAirport(hasSubject && block.Get("ev_a", subjectId) ? FindDetailsById(subjectId)
                                                                                   : nullptr);
    int32_t model = Enviroment::GetDialogModel();
    block.Get("ev_m", model);
    Enviroment::SetDialogModel(model >= 0 && model < AVAIL_MODELS ? model : 0);
    return true;
}
