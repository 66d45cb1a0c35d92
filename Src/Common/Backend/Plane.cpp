#include "Common/Backend/Plane.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/PackedRecord.h"
#include "Common/Backend/Statistics.h"
#include "WinCE/Assert.h"
#include "WinCE/Random.h"
#include "WinCE/TickCount.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
// Flight hours at which a plane counts as worn out in the value and cost rules.
constexpr double HOURS_LIFE = 35000.0;
} // namespace

Plane::Plane(int32_t model, const std::string& name, const Time& buyDate, int32_t id)
    : _model(model), _name(name), _buy_date(buyDate), _damages(0), _flight_hours(0), _damaged(0),
      _repair_cost(0), _flight_state(PHASE_NONE), _stop_reason(STOP_PAUSED), _running(0), _profit(0),
      _pass_carried(0), _pass_on_board(0), _pass_flown(0), _id(id), _next_id(1)
{
    ASSERT(model >= 0 && model < AVAIL_MODELS && "plane model out of range");
}

Plane::~Plane() = default;

std::string Plane::Status() const
{
    if (_damaged)
        return "Damaged";
    if (!_route)
        return "Not Assigned";
    if (IsStopped())
    {
        switch (_stop_reason)
        {
        case 1:
            return "Staff strike";
        case 2:
            return "Thunderstorm";
        case 3:
            return "Delayed by wind";
        case 4:
            return "Bad weather";
        case 5:
            return "Thick fog";
        case 6:
            return "Military maneuvers";
        case STOP_IMPOUNDED:
            return "Impounded";
        case STOP_CHARITY:
            return "Charity flight";
        case STOP_VIP:
            return "VIP transport";
        default:
            return "Paused";
        }
    }
    switch (Phase())
    {
    case PHASE_REFUEL:
        return "Refuel";
    case PHASE_REPAIR:
        return "Repair";
    case PHASE_FLIGHT:
    {
        char text[64];
        std::snprintf(text, sizeof(text), "Flight (%d passeng.)",
                      std::min(_route->_passengers_per_flight, Capacity()));
        return text;
    }
    case PHASE_MAINTAIN:
        return "Maintain";
    case PHASE_CHECK_IN:
        return "Check In";
    default:
        return "Not Assigned";
    }
}

int32_t Plane::Age(const Time& now) const
{
    const Time age = now.Subtract(_buy_date._year, _buy_date._month, _buy_date._day, _buy_date._hour,
                                  _buy_date._minute, _buy_date._second);
    return std::max(age._year, 0);
}

int32_t Plane::MonthsPart(const Time& now) const
{
    const Time age = now.Subtract(_buy_date._year, _buy_date._month, _buy_date._day, _buy_date._hour,
                                  _buy_date._minute, _buy_date._second);
    return age._month;
}

int32_t Plane::Speed() const
{
    return Enviroment::GetPlaneModel(_model)._speed;
}

uint32_t Plane::Range() const
{
    return Enviroment::GetPlaneModel(_model)._range;
}

int32_t Plane::Capacity() const
{
    return Enviroment::GetPlaneModel(_model)._capacity;
}

int64_t Plane::Value(const Time& now) const
{
    const double price = static_cast<double>(Enviroment::GetPlaneModel(_model)._price);
    int64_t v = static_cast<int64_t>(price * (0.85 - _flight_hours / HOURS_LIFE - 0.01 * Age(now) - 0.1 * _damages));
    if (_damaged)
        v -= _repair_cost / 2;
    if (v < 0)
        v = 0;
    return v * (1000 + static_cast<int64_t>(Enviroment::GetSurcharge())) / 1000;
}

int64_t Plane::MaintenanceCost(const Time& now) const
{
    const double price = static_cast<double>(Enviroment::GetPlaneModel(_model)._price);
    const int64_t cost =
        static_cast<int64_t>(price * 0.005 * (1 + _flight_hours / HOURS_LIFE + 0.01 * Age(now) + 0.1 * _damages));
    return cost * Enviroment::GetCostIndex() / 1000;
}

int64_t Plane::MaintenanceEstimate(int32_t model)
{
    const double price = static_cast<double>(Enviroment::GetPlaneModel(model)._price);
    const int64_t cost = static_cast<int64_t>(price * 0.00755) * Enviroment::GetCostIndex() / 1000;
    return cost / 100 * 100;
}

double Plane::RiskScale(const Time& now) const
{
    // A plane is safe in its first two months of every year of service and
    // half as exposed up to the sixth.
    const int32_t m = MonthsPart(now);
    if (m < 2)
        return 0;
    if (m < 6)
        return 0.5;
    return 1;
}

double Plane::DamageRisk(const Time& now, int32_t airportRisk) const
{
    const double r = airportRisk / 100000.0;
    const double risk = (_flight_hours / HOURS_LIFE + 0.01 * Age(now)) * 0.05 + 0.001 * _damages + 0.5 * r;
    return risk * RiskScale(now);
}

double Plane::CrashRisk(const Time& now, int32_t airportRisk) const
{
    const double r = airportRisk / 100000.0;
    const double risk = (_flight_hours / HOURS_LIFE + 0.01 * Age(now)) * 0.005 + 0.0005 * _damages + 0.04 * r;
    return risk * RiskScale(now);
}

void Plane::Damage()
{
    SRand(GetTickCount());
    const int32_t a = Rand() % 1000;
    const int32_t b = Rand() % 1000;
    const int64_t s = (a < b && b < a + 100) ? 10 : 4;
    const int64_t price = Enviroment::GetPlaneModel(_model)._price;
    _repair_cost = price * (s + Rand() % (5 * s)) / 100;
    _damaged = 1;
    _damages += 1;
    _flight_state = STOPPED | PHASE_REFUEL;
    _running = 0;
}

bool Plane::Halt()
{
    _running = 0;
    if (_flight_state == PHASE_CHECK_IN)
    {
        _flight_state = STOPPED | PHASE_REFUEL;
        return true;
    }
    return false;
}

int32_t Plane::Resume()
{
    _running = 1;
    if (!IsStopped() && Phase() != PHASE_NONE)
        return -1;
    return _flight_state & ~STOPPED;
}

void Plane::SetRoute(std::unique_ptr<Route> route)
{
    _route = std::move(route);
}

std::unique_ptr<Route> Plane::TakeRoute()
{
    return std::move(_route);
}

void Plane::Save(ConfigBlock& block) const
{
    ConfigBlock buyDate;
    _buy_date.Save(buyDate);
    block.PutBlock("_buy_date", buyDate);
    block.Put("hasroute", static_cast<uint8_t>(_route ? 1 : 0));
    if (_route)
    {
        ConfigBlock route;
        _route->Save(route);
        block.PutBlock("_route", route);
    }
    block.PutString("_name", _name);

    PackedRecord p;
    p.Put32(_model);
    p.Put32(_damages);
    p.PutDouble(_flight_hours);
    p.Put8(_damaged);
    p.Put64(_repair_cost);
    p.Put32(_flight_state);
    p.Put8(_running);
    p.Put32(_id);
    p.Put32(_next_id);
    p.Put32(_stop_reason);
    p.Put64(_profit);
    p.Put32(_pass_carried);
    p.Put32(_pass_on_board);
    ASSERT(p.Size() == RECORD_SIZE && "plane record layout");
    p.SaveAs(block, "p");
    block.Put("_pass_flown", _pass_flown);
}

bool Plane::Load(const ConfigBlock& block, std::string* error)
{
    ConfigBlock child;
    if (block.GetBlock("_buy_date", child))
        _buy_date.Load(child);
    uint8_t hasRoute = _route ? 1 : 0;
    block.Get("hasroute", hasRoute);
    if (hasRoute)
    {
        if (block.GetBlock("_route", child))
        {
            auto route = std::make_unique<Route>(0);
            if (!route->Load(child, error))
                return false;
            _route = std::move(route);
        }
    }
    else
    {
        _route.reset();
    }
    block.GetString("_name", _name);
    // Saves from before the count was kept start it at 0.
    block.Get("_pass_flown", _pass_flown);

    if (_pass_flown < 0 || _pass_flown > MAX_PLAUSIBLE_PASSENGERS)
    {
        if (error)
            *error = "plane " + std::to_string(_id) + " has flown passengers no play can reach";
        return false;
    }
    if (!_buy_date.IsPlausibleMoment())
    {
        if (error)
            *error = "plane bought at a moment that is not one of the game";
        return false;
    }

    PackedRecord p;
    if (!p.LoadFrom(block, "p"))
        return true;
    if (p.Size() != RECORD_SIZE)
    {
        if (error)
            *error = "plane record \"p\" has " + std::to_string(p.Size()) + " bytes instead of 58";
        return false;
    }
    const int32_t model = p.Get32();
    if (model < 0 || model >= AVAIL_MODELS)
    {
        if (error)
            *error = "plane of unknown model " + std::to_string(model);
        return false;
    }
    _model = model;
    _damages = p.Get32();
    _flight_hours = p.GetDouble();
    _damaged = p.Get8();
    _repair_cost = p.Get64();
    _flight_state = p.Get32();
    _running = p.Get8();
    _id = p.Get32();
    _next_id = p.Get32();
    _stop_reason = p.Get32();
    _profit = p.Get64();
    _pass_carried = p.Get32();
    _pass_on_board = p.Get32();
    // Value and upkeep are computed from hours and damages in floating
    // point; out of any range play produces, they would not convert back.
    if (!std::isfinite(_flight_hours) || _flight_hours < 0 || _flight_hours > MAX_PLAUSIBLE_HOURS ||
        _damages < 0 || _damages > MAX_PLAUSIBLE_DAMAGES || _repair_cost < 0 ||
        _repair_cost > Company::MAX_PLAUSIBLE_BILL || _profit < -Statistics::MAX_PLAUSIBLE_TOTAL ||
        _profit > Statistics::MAX_PLAUSIBLE_TOTAL || _pass_carried < 0 ||
        _pass_carried > MAX_PLAUSIBLE_PASSENGERS || _pass_on_board < 0 ||
        _pass_on_board > MAX_PLAUSIBLE_PASSENGERS)
    {
        if (error)
            *error = "plane " + std::to_string(_id) + " has wear, profit or passengers no play can reach";
        return false;
    }
    return true;
}

bool Plane::operator==(const Plane& o) const
{
    const bool routesEqual = (!_route && !o._route) || (_route && o._route && *_route == *o._route);
    return routesEqual && _model == o._model && _name == o._name && _buy_date.Equals(o._buy_date) &&
           _damages == o._damages && _flight_hours == o._flight_hours && _damaged == o._damaged &&
           _repair_cost == o._repair_cost && _flight_state == o._flight_state &&
           _stop_reason == o._stop_reason && _running == o._running && _profit == o._profit &&
           _pass_carried == o._pass_carried && _pass_on_board == o._pass_on_board &&
           _pass_flown == o._pass_flown && _id == o._id && _next_id == o._next_id;
}
