#include "Common/Backend/Route.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/PackedRecord.h"
#include "WinCE/Assert.h"
#include "WinCE/Random.h"

#include <cstdio>

namespace
{
bool ValidLevel(int32_t level)
{
    return level >= Route::LEVEL_LOW && level <= Route::LEVEL_HIGH;
}
} // namespace

Route::Route(int32_t source)
    : _source(source), _destination(-1), _outbound(0), _monthly_fee(0), _replacement(0), _duration(),
      _price_level(LEVEL_LOW), _service_level(LEVEL_LOW), _third_level(0), _smuggle_base(0),
      _passengers_per_flight(0), _smuggling(0), _smuggle_factor(0), _reserved_b(0), _agency_tickets(0),
      _agency_reduction(0), _hold{0, 0}
{
}

int32_t Route::Distance() const
{
    if (_destination < 0)
        return 0;
    const int32_t distance = Enviroment::GetDistance(_source, _destination);
    return distance < 0 ? 0 : distance;
}

uint32_t Route::ISqrt(uint32_t value)
{
    // Bit-by-bit integer square root: the largest r with r x r <= value.
    uint32_t result = 0;
    uint32_t bit = 1u << 30;
    while (bit > value)
        bit >>= 2;
    while (bit != 0)
    {
        if (value >= result + bit)
        {
            value -= result + bit;
            result = (result >> 1) + bit;
        }
        else
        {
            result >>= 1;
        }
        bit >>= 2;
    }
    return result;
}

int64_t Route::TicketBase() const
{
    return 6 * static_cast<int64_t>(ISqrt(static_cast<uint32_t>(Distance())));
}

void Route::ComputeDuration(int32_t speed)
{
    ASSERT(speed > 0 && "plane models have a positive speed");
    const int32_t total = static_cast<int32_t>(static_cast<double>(Distance()) / speed * 60);
    _duration = Time();
    _duration._minute = total % 60;
    _duration._hour = (total / 60) % 24;
    _duration._day = total / 1440;
}

int32_t Route::DurationMinutes() const
{
    return _duration._day * 1440 + _duration._hour * 60 + _duration._minute;
}

int64_t Route::SetupCost(int32_t source, int32_t destination)
{
    int64_t distance = Enviroment::GetDistance(source, destination);
    if (distance < 0)
        distance = 0;
    int64_t a = (distance * 2 / 1000 + 100) * 100000 / 100;
    a = a * Enviroment::GetCostIndex() / 1000;
    const int64_t r = AirportDetails::ResearchCost(destination);
    return (a + r) / 2;
}

int32_t Route::PassengersPerFlight(const AirportDetails* sourceDetails)
{
    int64_t base = 0;
    if (sourceDetails)
    {
        const int32_t slot = sourceDetails->SlotOf(_destination);
        if (slot >= 0)
            base = sourceDetails->DemandFor(slot);
    }
    int32_t pct = 100;
    if (_price_level == LEVEL_LOW)
        pct += 10;
    else if (_price_level == LEVEL_HIGH)
        pct -= 10;
    if (_service_level == LEVEL_LOW)
        pct -= 10;
    else if (_service_level == LEVEL_HIGH)
        pct += 10;
    if (_third_level == 0)
        pct += 10;
    else if (_third_level == 2)
        pct -= 10;
    pct += Rand() % 20 - 10;
    _passengers_per_flight = static_cast<int32_t>(static_cast<double>(base) * pct / 100);
    return _passengers_per_flight + _agency_tickets;
}

int64_t Route::TicketIncome(int64_t n) const
{
    int64_t p = TicketBase();
    if (_price_level == LEVEL_LOW)
        p = static_cast<int64_t>(static_cast<double>(p) * 0.8);
    else if (_price_level == LEVEL_HIGH)
        p = static_cast<int64_t>(static_cast<double>(p) * 1.2);
    int64_t income = n * p;
    if (_agency_tickets > 0)
        income -= static_cast<int64_t>(_agency_tickets) * p * _agency_reduction / 100;
    return income * Enviroment::GetCostIndex() / 1000;
}

int64_t Route::FlightCost(int64_t n, int32_t capacity) const
{
    const int64_t b = TicketBase();
    int64_t service = b / 10;
    if (_service_level == LEVEL_LOW)
        service = b / 20;
    else if (_service_level == LEVEL_HIGH)
        service = b * 15 / 100;
    const int64_t operating =
        static_cast<int64_t>(3.0 * capacity * static_cast<double>(ISqrt(static_cast<uint32_t>(Distance()))));
    return (service * n + operating) * Enviroment::GetCostIndex() / 1000;
}

int64_t Route::MonthlyFee() const
{
    return _monthly_fee * Enviroment::GetCostIndex() / 1000;
}

void Route::SetAgency(int32_t tickets, int32_t reduction)
{
    _agency_tickets = tickets;
    _agency_reduction = reduction;
}

void Route::DrawAgencyTerms(const AirportDetails* sourceDetails, int32_t* tickets, int32_t* discount) const
{
    int64_t demand = 0;
    if (sourceDetails)
    {
        const int32_t slot = sourceDetails->SlotOf(_destination);
        if (slot >= 0)
            demand = sourceDetails->DemandFor(slot);
    }
    const int64_t x = demand * 15 / 100;
    int64_t k = x / 5 - 1;
    if (k < 1)
        k = 1;
    *tickets = static_cast<int32_t>((Rand() % k + 1) * 5);
    *discount = static_cast<int32_t>(k + Rand() % 6);
}

// The smuggling base amount: 1600 x isqrt(distance), at the cost index in
// force. At 1000 km and the starting index that is 9920, about four flights'
// profit; the fine of four times the base outweighs a run's payment, so a run
// caught about one time in four leaves smuggling a gamble, not an income.
int64_t Route::SmugglingBase() const
{
    return 1600 * static_cast<int64_t>(ISqrt(static_cast<uint32_t>(Distance()))) * Enviroment::GetCostIndex() / 1000;
}

void Route::AcceptSmuggling(int64_t base, int32_t factor)
{
    ASSERT(factor >= -1 && factor <= 1 && "the payment factor is -1, 0 or +1");
    _smuggling = 1;
    _smuggle_base = base;
    _smuggle_factor = factor;
}

int64_t Route::SmugglingPayment() const
{
    return _smuggle_base + _smuggle_base * _smuggle_factor / 2;
}

int64_t Route::SmugglingFine() const
{
    return 4 * _smuggle_base;
}

void Route::ClearSmuggling()
{
    _smuggling = 0;
    _smuggle_base = 0;
    _smuggle_factor = 0;
}

void Route::Save(ConfigBlock& block) const
{
    ConfigBlock duration;
    _duration.Save(duration);
    block.PutBlock("_duration", duration);

    PackedRecord r;
    r.Put32(_source);
    r.Put32(_destination);
    r.Put8(_outbound);
    r.Put64(_monthly_fee);
    r.Put32(_replacement);
    r.Put32(_price_level);
    r.Put32(_service_level);
    r.Put32(_third_level);
    r.Put64(_smuggle_base);
    r.Put32(_passengers_per_flight);
    r.Put8(_smuggling);
    r.Put32(_smuggle_factor);
    r.Put64(_reserved_b);
    r.Put32(_agency_tickets);
    r.Put32(_agency_reduction);
    r.Put8(_hold[0]);
    r.Put8(_hold[1]);
    ASSERT(r.Size() == RECORD_SIZE && "route record layout");
    r.SaveAs(block, "r");
}

bool Route::HasPlausibleFigures() const
{
    // A flight takes less than a day or so; its duration is a span of days,
    // hours and minutes, never months or years.
    const bool durationPlausible = _duration._year == 0 && _duration._month == 0 && _duration._day >= 0 &&
                                   _duration._day <= 31 && _duration._hour >= 0 && _duration._hour <= 23 &&
                                   _duration._minute >= 0 && _duration._minute <= 59 &&
                                   _duration._second >= 0 && _duration._second <= 59;
    return durationPlausible && _passengers_per_flight >= 0 &&
           _passengers_per_flight <= MAX_PLAUSIBLE_PASSENGERS && _agency_tickets >= 0 &&
           _agency_tickets <= MAX_PLAUSIBLE_PASSENGERS && _agency_reduction >= 0 &&
           _agency_reduction <= 100 && _monthly_fee >= 0 && _monthly_fee <= Company::MAX_PLAUSIBLE_FEE &&
           _smuggle_base >= 0 && _smuggle_base <= Company::MAX_PLAUSIBLE_BILL;
}

bool Route::Load(const ConfigBlock& block, std::string* error)
{
    ConfigBlock duration;
    if (block.GetBlock("_duration", duration))
        _duration.Load(duration);

    PackedRecord r;
    if (!r.LoadFrom(block, "r"))
    {
        // Without its record the route keeps its other figures, but the
        // flight time just read must still be one play produces.
        if (HasPlausibleFigures())
            return true;
        if (error)
            *error = "route holds a flight time no play can reach";
        return false;
    }
    if (r.Size() != RECORD_SIZE)
    {
        if (error)
            *error = "route record \"r\" has " + std::to_string(r.Size()) + " bytes instead of 68";
        return false;
    }
    Route loaded = *this;
    loaded._source = r.Get32();
    loaded._destination = r.Get32();
    loaded._outbound = r.Get8();
    loaded._monthly_fee = r.Get64();
    loaded._replacement = r.Get32();
    loaded._price_level = r.Get32();
    loaded._service_level = r.Get32();
    loaded._third_level = r.Get32();
    loaded._smuggle_base = r.Get64();
    loaded._passengers_per_flight = r.Get32();
    loaded._smuggling = r.Get8();
    loaded._smuggle_factor = r.Get32();
    loaded._reserved_b = r.Get64();
    loaded._agency_tickets = r.Get32();
    loaded._agency_reduction = r.Get32();
    loaded._hold[0] = r.Get8();
    loaded._hold[1] = r.Get8();

    char reason[128] = "";
    if (loaded._source < 0 || loaded._source >= Enviroment::AIRPORT_COUNT || loaded._destination < -1 ||
        loaded._destination >= Enviroment::AIRPORT_COUNT)
        std::snprintf(reason, sizeof(reason), "route joins airports %d and %d", loaded._source, loaded._destination);
    else if (!ValidLevel(loaded._price_level) || !ValidLevel(loaded._service_level) || !ValidLevel(loaded._third_level))
        std::snprintf(reason, sizeof(reason), "route has levels %d, %d and %d", loaded._price_level,
                      loaded._service_level, loaded._third_level);
    else if (loaded._smuggle_factor < -1 || loaded._smuggle_factor > 1)
        std::snprintf(reason, sizeof(reason), "route has smuggling factor %d", loaded._smuggle_factor);
    else if (!loaded.HasPlausibleFigures())
        std::snprintf(reason, sizeof(reason), "route holds passengers, fees or a flight time no play can reach");
    if (reason[0] != '\0')
    {
        if (error)
            *error = reason;
        return false;
    }
    *this = loaded;
    return true;
}

bool Route::operator==(const Route& o) const
{
    return _source == o._source && _destination == o._destination && _outbound == o._outbound &&
           _monthly_fee == o._monthly_fee && _replacement == o._replacement && _duration.Equals(o._duration) &&
           _price_level == o._price_level && _service_level == o._service_level && _third_level == o._third_level &&
           _smuggle_base == o._smuggle_base && _passengers_per_flight == o._passengers_per_flight &&
           _smuggling == o._smuggling && _smuggle_factor == o._smuggle_factor && _reserved_b == o._reserved_b &&
           _agency_tickets == o._agency_tickets && _agency_reduction == o._agency_reduction &&
           _hold[0] == o._hold[0] && _hold[1] == o._hold[1];
}
