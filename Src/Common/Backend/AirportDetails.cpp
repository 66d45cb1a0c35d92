#include "Common/Backend/AirportDetails.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/PackedRecord.h"
#include "Common/Backend/Statistics.h"
#include "WinCE/Assert.h"
#include "WinCE/DebugOutput.h"
#include "WinCE/Random.h"
#include "WinCE/TickCount.h"

#include <algorithm>
#include <cstdio>

namespace
{
// Base prices by airport size 50, 100, 150, 200, 250; other sizes cost nothing.
int64_t BaseBySize(int32_t size, const int64_t (&table)[5])
{
    switch (size)
    {
    case 50:
        return table[0];
    case 100:
        return table[1];
    case 150:
        return table[2];
    case 200:
        return table[3];
    case 250:
        return table[4];
    default:
        return 0;
    }
}

const int64_t OFFICE_BASE[5] = {200000, 400000, 600000, 800000, 900000};
const int64_t RESEARCH_BASE[5] = {100000, 200000, 300000, 400000, 450000};

// The fixed per-airport factor of office and research prices: 90 to 109 % of
// the base, from the game seed, then the cost index.
int64_t ScaledPrice(int64_t base, int32_t airport)
{
    const uint64_t k = (static_cast<uint64_t>(Enviroment::GetGameSeed()) * static_cast<uint64_t>(airport)) % 20;
    const double price = static_cast<double>(base) * 0.9 + static_cast<double>(base) * static_cast<double>(k) / 100;
    return static_cast<int64_t>(price) * Enviroment::GetCostIndex() / 1000;
}

// Campaign tables: T[0] at the start, T[1..12] the monthly steps, T[13] the
// part that stays as demand when the campaign closes.
const int32_t* CampaignTable(int32_t campaignSize)
{
    static const int32_t SMALL[14] = {0, 20, 20, 20, 20, 20, 20, -15, -15, -15, -15, -15, -15, 30};
    static const int32_t MEDIUM[14] = {90, -3, -4, -3, -3, -4, -3, -2, -2, -2, -2, -1, -1, 60};
    static const int32_t LARGE[14] = {150, -20, -20, -20, -20, -20, -20, 10, 10, 10, 10, 10, 10, 90};
    switch (campaignSize)
    {
    case 40:
        return SMALL;
    case 80:
        return MEDIUM;
    case 120:
        return LARGE;
    default:
        ASSERT(!"campaign size must be 40, 80 or 120");
        return SMALL;
    }
}

// Demand response of routes, per mille, by price level (rows) and service level.
const int32_t ROUTE_RESPONSE[3][3] = {{5, 15, 25}, {-10, 5, 10}, {-25, -15, 5}};

int32_t CapDemand(int64_t value)
{
    if (value > AirportDetails::MAX_DEMAND)
        return AirportDetails::MAX_DEMAND;
    if (value < 0)
        return 0;
    return static_cast<int32_t>(value);
}

int32_t ClampRisk(int32_t value)
{
    return std::clamp(value, 0, AirportDetails::RISK_LIMIT - 1);
}

bool InWindow(uint32_t t, int32_t r, int32_t width)
{
    return static_cast<int64_t>(t) > r && static_cast<int64_t>(t) < static_cast<int64_t>(r) + width;
}
} // namespace

AirportDetails::AirportDetails(int32_t airport, int32_t id)
    : _airport(airport), _demand{}, _bonus{}, _adv_efficiency(MAX_EFFICIENCY), _event_chance(0), _smuggling_risk(0),
      _strike_risk(0), _weather_risk(0), _office(0), _office_fee(0), _route_out_cnt(0), _route_in_cnt(0),
      _neighbour_marks(0), _research_date(), _result_curr(0), _result_last(0), _event_state(OFFER_NONE),
      _reserved_a(0), _event_value(0), _expiry_date(), _event_mark(0), _route_offer_pending(0),
      _special_offer_pending(0), _id(id), _next_id(1), _event_pending(0), _open(1), _closure_reason(OPEN)
{
}

int64_t AirportDetails::OfficePrice(int32_t airport)
{
    return ScaledPrice(BaseBySize(Enviroment::GetAirportSize(airport), OFFICE_BASE), airport);
}

int64_t AirportDetails::ResearchCost(int32_t airport)
{
    return ScaledPrice(BaseBySize(Enviroment::GetAirportSize(airport), RESEARCH_BASE), airport);
}

int64_t AirportDetails::AdvertisingCost(int32_t airport, int32_t campaignSize)
{
    const int64_t size = Enviroment::GetAirportSize(airport);
    const double cost = static_cast<double>(static_cast<int64_t>(campaignSize) * 1000000 / 80) *
                        (static_cast<double>(size) / 2.5 / 100);
    int64_t price = static_cast<int64_t>(cost);
    price = price * (90 + static_cast<int64_t>(Enviroment::GetGameSeed() % 20)) / 100;
    return price * Enviroment::GetCostIndex() / 1000;
}

void AirportDetails::Gather(const Time& now)
{
    const int32_t size = Enviroment::GetAirportSize(_airport);
    for (int32_t i = 0; i < NEIGHBOURS; ++i)
    {
        const int64_t s = (static_cast<int64_t>(size) + Enviroment::GetAirportSize(Enviroment::GetNeighbour(_airport, i))) * 10;
        const int64_t v = static_cast<int64_t>(static_cast<double>(s) * 0.7 + static_cast<double>(static_cast<int64_t>(static_cast<double>(s) * 0.6)));
        _demand[i] = CapDemand(v / 4);
    }
    _event_chance = Rand() % RISK_LIMIT;
    _smuggling_risk = Rand() % RISK_LIMIT;
    _strike_risk = Rand() % RISK_LIMIT;
    _weather_risk = Rand() % RISK_LIMIT;
    _research_date = now;
}

bool AirportDetails::IsStale(const Time& now) const
{
    const Time age = now.Subtract(_research_date._year, _research_date._month, _research_date._day,
                                  _research_date._hour, _research_date._minute, _research_date._second);
    return age._year >= 1 && !_office && _route_in_cnt == 0 && _route_out_cnt == 0 && _event_state == OFFER_NONE;
}

void AirportDetails::SetDemand(int32_t slot, int64_t value)
{
    ASSERT(slot >= 0 && slot < NEIGHBOURS && "neighbour slot out of range");
    _demand[slot] = CapDemand(value);
}

int32_t AirportDetails::GetDemand(int32_t slot) const
{
    ASSERT(slot >= 0 && slot < NEIGHBOURS && "neighbour slot out of range");
    return _demand[slot];
}

int32_t AirportDetails::EffectiveDemand(int32_t slot) const
{
    ASSERT(slot >= 0 && slot < NEIGHBOURS && "neighbour slot out of range");
    return _demand[slot] + _bonus[slot];
}

int32_t AirportDetails::DemandFor(int32_t slot) const
{
    return EffectiveDemand(slot) / 10;
}

int32_t AirportDetails::SlotOf(int32_t airport) const
{
    return Enviroment::GetAirport(_airport).SlotOf(airport);
}

void AirportDetails::RouteOutOpened()
{
    ++_route_out_cnt;
    ASSERT(_route_out_cnt<=4);
}

void AirportDetails::RouteOutClosed(const Time& now)
{
    ASSERT(_route_out_cnt > 0 && "closing a route that was never counted");
    --_route_out_cnt;
    _research_date = now;
}

void AirportDetails::RouteInOpened()
{
    ++_route_in_cnt;
}

void AirportDetails::RouteInClosed(const Time& now)
{
    ASSERT(_route_in_cnt > 0 && "closing a route that was never counted");
    --_route_in_cnt;
    _research_date = now;
}

bool AirportDetails::MarkNeighbour(uint32_t dst)
{
    ASSERT(dst < 6);
    const uint32_t bit = 1u << dst;
    const bool changed = (_neighbour_marks & bit) == 0;
    _neighbour_marks |= bit;
    return changed;
}

bool AirportDetails::UnmarkNeighbour(uint32_t dst)
{
    ASSERT(dst < 6);
    const uint32_t bit = 1u << dst;
    const bool changed = (_neighbour_marks & bit) != 0;
    _neighbour_marks &= ~bit;
    return changed;
}

bool AirportDetails::IsMarked(uint32_t dst) const
{
    ASSERT(dst < 6);
    return (_neighbour_marks & (1u << dst)) != 0;
}

int32_t AirportDetails::RiskCategory(int32_t kind) const
{
    int32_t value = 0;
    switch (kind)
    {
    case RISK_SMUGGLING:
        value = _smuggling_risk;
        break;
    case RISK_WEATHER:
        value = _weather_risk;
        break;
    case RISK_EVENT:
        value = _event_chance;
        break;
    case RISK_STRIKE:
        value = _strike_risk;
        break;
    default:
        ASSERT(!"unknown risk kind");
        break;
    }
    return std::clamp(value / 1000, 0, 4);
}

const char* AirportDetails::RiskName(int32_t category)
{
    static const char* const NAMES[5] = {"very low", "low", "medium", "high", "very high"};
    ASSERT(category >= 0 && category < 5 && "risk category out of range");
    return NAMES[category];
}

void AirportDetails::RandomiseRisks()
{
    int32_t* const risks[4] = {&_smuggling_risk, &_strike_risk, &_event_chance, &_weather_risk};
    for (int32_t* risk : risks)
    {
        int32_t step = 125 * (1 + Rand() % 2);
        if (Rand() % 100 < 51)
            step = -step;
        *risk = ClampRisk(*risk + step);
    }
}

void AirportDetails::StartCampaign(int32_t campaignSize, int32_t snapshot[NEIGHBOURS])
{
    const int32_t* table = CampaignTable(campaignSize);
    const int64_t e = _adv_efficiency;
    for (int32_t i = 0; i < NEIGHBOURS; ++i)
    {
        snapshot[i] = static_cast<int32_t>(_demand[i] * e / 1000);
        _bonus[i] += static_cast<int32_t>((static_cast<int64_t>(_demand[i]) * table[0] / 1000) * e / 1000);
    }
    int64_t next = e - e * (static_cast<int64_t>(campaignSize) * 5) / 1000;
    if (next < MIN_EFFICIENCY)
        next = MIN_EFFICIENCY;
    _adv_efficiency = static_cast<int32_t>(next);
}

void AirportDetails::ApplyCampaignMonth(const int32_t snapshot[NEIGHBOURS], int32_t campaignSize, int32_t monthsLeft)
{
    ASSERT(monthsLeft >= 1 && monthsLeft <= 12 && "a campaign runs for 12 months");
    const int32_t* table = CampaignTable(campaignSize);
    const int32_t k = 13 - monthsLeft;
    for (int32_t i = 0; i < NEIGHBOURS; ++i)
        _bonus[i] += static_cast<int32_t>(static_cast<int64_t>(snapshot[i]) * table[k] / 1000);
}

void AirportDetails::CloseCampaign(const int32_t snapshot[NEIGHBOURS], int32_t campaignSize)
{
    const int32_t* table = CampaignTable(campaignSize);
    for (int32_t i = 0; i < NEIGHBOURS; ++i)
    {
        const int32_t t = static_cast<int32_t>(static_cast<int64_t>(snapshot[i]) * table[13] / 1000);
        _bonus[i] -= t;
        SetDemand(i, static_cast<int64_t>(_demand[i]) + t);
    }
}

bool AirportDetails::GrowEfficiency(int32_t amount)
{
    const int64_t e = static_cast<int64_t>(_adv_efficiency) + amount;
    if (e >= MAX_EFFICIENCY)
    {
        _adv_efficiency = MAX_EFFICIENCY;
        return true;
    }
    _adv_efficiency = static_cast<int32_t>(e);
    return false;
}

void AirportDetails::RespondToRoute(int32_t destinationSlot, int32_t priceLevel, int32_t serviceLevel)
{
    ASSERT(priceLevel >= 0 && priceLevel < 3 && serviceLevel >= 0 && serviceLevel < 3 && "route levels are 0..2");
    const int32_t e = ROUTE_RESPONSE[priceLevel][serviceLevel];
    for (int32_t i = 0; i < NEIGHBOURS; ++i)
    {
        _demand[i] = CapDemand(static_cast<int64_t>(static_cast<double>(_demand[i]) * (1000 + e / 2) / 1000));
        if (i == destinationSlot)
        {
            _demand[i] = CapDemand(static_cast<int64_t>(static_cast<double>(_demand[i]) * (1000 + e) / 1000));
            break;
        }
    }
}

void AirportDetails::MonthlyAirportCheck(const Time& date)
{
    Rand();
    const uint32_t t = GetTickCount() % 100000;
    const int32_t r1 = Rand() % 100000;
    const int32_t d = Rand() % 28;
    const int32_t h = Rand() % 24;
    if (InWindow(t, r1, _event_chance))
    {
        Enviroment::Events().ScheduleAirportEvent(WorldEventHooks::BAD_WEATHER, this, date.Add(0, 0, d, h, 0, 0));
        _event_pending = 1;
        return;
    }
    const int32_t r2 = Rand() % 100000;
    if (InWindow(t, r2, 1000))
    {
        Enviroment::Events().ScheduleAirportEvent(WorldEventHooks::EMERGENCY_STATE, this,
                                                  date.Add(0, 0, d, h, 0, 0));
        _event_pending = 1;
        return;
    }
    _result_last = _result_curr;
    _result_curr = 0;
}

void AirportDetails::WeeklyAirportCheck(const Time& date)
{
    if (_event_pending)
        return;
    Rand();
    const uint32_t t = GetTickCount() % 100000;
    const int32_t d = Rand() % 7;
    const int32_t h = Rand() % 24;
    Rand();
    const struct
    {
        int32_t type;
        int32_t width;
    } tries[5] = {
        {WorldEventHooks::STAFF_STRIKE, _strike_risk / 4}, {WorldEventHooks::THUNDERSTORM, _weather_risk / 2},
        {WorldEventHooks::STRONG_WIND, _weather_risk / 2}, {WorldEventHooks::THICK_FOG, _weather_risk / 2},
        {WorldEventHooks::MANEUVERS, 400},
    };
    for (const auto& attempt : tries)
    {
        const int32_t r = Rand() % 100000;
        if (InWindow(t, r, attempt.width))
        {
            Enviroment::Events().ScheduleAirportEvent(attempt.type, this, date.Add(0, 0, d, h, 0, 0));
            _event_pending = 1;
            return;
        }
    }
}

void AirportDetails::ApplyIncidentLoss(int32_t divisor)
{
    ASSERT(divisor > 0 && "an incident loses a fraction of the demand");
    // The loss is measured on the demand passengers see (base plus campaign
    // bonus) but taken from the base alone: writing the reduced effective
    // value into the base would fold the bonus into it and raise demand.
    for (int32_t i = 0; i < NEIGHBOURS; ++i)
        SetDemand(i, static_cast<int64_t>(_demand[i]) - EffectiveDemand(i) / divisor);
}

void AirportDetails::Close(int32_t reason)
{
    _event_pending = 0;
    _open = 0;
    _closure_reason = reason;
}

void AirportDetails::Reopen()
{
    _event_pending = 0;
    _open = 1;
    _closure_reason = OPEN;
}

void AirportDetails::ScaleDemand(int32_t numerator, int32_t denominator)
{
    ASSERT(denominator > 0 && "demand scale needs a positive denominator");
    for (int32_t i = 0; i < NEIGHBOURS; ++i)
        SetDemand(i, static_cast<int64_t>(_demand[i]) * numerator / denominator);
}

int32_t AirportDetails::UnservedNeighbourCount() const
{
    int32_t count = 0;
    for (uint32_t i = 0; i < NEIGHBOURS; ++i)
    {
        if (!IsMarked(i))
            ++count;
    }
    return count;
}

// Offer rules. An offer event fires in about three months of ten and picks one
// of the company's airports; these chances then decide, with one draw of
// rand() mod 1000, whether that airport makes the offer. They are kept between
// 10 % and 70 % so that offers come now and then: never every month, never
// never.
//
// Route offer: bigger airports want more connections, and each route the
// company already runs from here makes a further one less pressing:
// 150 + 2 x size - 100 x routes out, within 100..700. The home airport makes
// no route offers, and neither does an airport whose neighbours are all served.
int32_t AirportDetails::RouteOfferChance(bool homeAirport) const
{
    if (homeAirport || UnservedNeighbourCount() == 0)
        return 0;
    const int32_t size = Enviroment::GetAirportSize(_airport);
    return std::clamp(150 + 2 * size - 100 * static_cast<int32_t>(RoutesOut()), 100, 700);
}

// Charity flight: small airports ask for help more often, and the company's
// presence (its routes from and to here) makes it known to the charities:
// 100 + (250 - size) + 25 x (routes out + routes in), within 100..500.
int32_t AirportDetails::CharityOfferChance() const
{
    const int32_t size = Enviroment::GetAirportSize(_airport);
    return std::clamp(100 + (250 - size) + 25 * (RoutesOut() + RoutesIn()), 100, 500);
}

// VIP flight: VIPs come from big, busy airports: 50 + size + the average
// effective demand / 50, within 100..600.
int32_t AirportDetails::VipOfferChance() const
{
    const int32_t size = Enviroment::GetAirportSize(_airport);
    int64_t demand = 0;
    for (int32_t i = 0; i < NEIGHBOURS; ++i)
        demand += EffectiveDemand(i);
    return std::clamp(static_cast<int32_t>(50 + size + demand / NEIGHBOURS / 50), 100, 600);
}

void AirportDetails::ClearOffer()
{
    _event_state = OFFER_NONE;
    _event_value = 0;
    _event_mark = 0;
    _reserved_a = 0;
}

void AirportDetails::Save(ConfigBlock& block) const
{
    ConfigBlock research;
    _research_date.Save(research);
    block.PutBlock("_research_date", research);
    ConfigBlock expiry;
    _expiry_date.Save(expiry);
    block.PutBlock("_expiry_date", expiry);

    PackedRecord a;
    a.Put32(_airport);
    for (int32_t v : _demand)
        a.Put32(v);
    for (int32_t v : _bonus)
        a.Put32(v);
    a.Put32(_adv_efficiency);
    a.Put32(_event_chance);
    a.Put32(_smuggling_risk);
    a.Put32(_strike_risk);
    a.Put32(_weather_risk);
    a.Put8(_office);
    a.Put64(_office_fee);
    a.Put32(_route_out_cnt);
    a.Put32(_route_in_cnt);
    a.Put32(static_cast<int32_t>(_neighbour_marks));
    a.Put32(_id);
    a.Put32(_next_id);
    a.Put8(_event_pending);
    a.Put8(_open);
    a.Put64(_result_curr);
    a.Put64(_result_last);
    a.Put32(_event_state);
    a.Put32(_reserved_a);
    a.Put64(_event_value);
    a.Put32(_event_mark);
    a.Put32(_closure_reason);
    a.Put8(_route_offer_pending);
    ASSERT(a.Size() == RECORD_SIZE && "airport record layout");
    a.SaveAs(block, "a");
    // The record has no room for the mark of this year's charity or VIP
    // offer; without it a game saved and resumed mid-year could be offered
    // a second one the straight game would not have had.
    block.Put("_special_offer_pending", _special_offer_pending);
}

bool AirportDetails::HasPlausibleFigures() const
{
    const auto risk = [](int32_t value) { return value >= 0 && value < RISK_LIMIT; };
    for (int32_t i = 0; i < NEIGHBOURS; ++i)
        if (_demand[i] < 0 || _demand[i] > MAX_DEMAND || _bonus[i] < -MAX_PLAUSIBLE_BONUS ||
            _bonus[i] > MAX_PLAUSIBLE_BONUS)
            return false;
    const auto total = [](int64_t value)
    { return value >= -Statistics::MAX_PLAUSIBLE_TOTAL && value <= Statistics::MAX_PLAUSIBLE_TOTAL; };
    return _event_state >= OFFER_NONE && _event_state <= OFFER_VIP && _closure_reason >= OPEN &&
           _closure_reason <= CLOSED_EMERGENCY && total(_result_curr) && total(_result_last) &&
           _event_value >= -Company::CASH_HIGH && _event_value <= Company::CASH_HIGH &&
           _adv_efficiency >= 0 && _adv_efficiency <= MAX_EFFICIENCY && _office_fee >= 0 &&
           _office_fee <= Company::MAX_PLAUSIBLE_FEE && risk(_event_chance) && risk(_smuggling_risk) &&
           risk(_strike_risk) && risk(_weather_risk) &&
           (_research_date.IsUnset() || _research_date.IsPlausibleMoment()) &&
           (_expiry_date.IsUnset() || _expiry_date.IsPlausibleMoment());
}

bool AirportDetails::Load(const ConfigBlock& block, std::string* error)
{
    ConfigBlock child;
    if (block.GetBlock("_research_date", child))
        _research_date.Load(child);
    if (block.GetBlock("_expiry_date", child))
        _expiry_date.Load(child);
    // Saves from before the mark was kept load without it: no offer made yet.
    uint8_t specialOffered = _special_offer_pending;
    block.Get("_special_offer_pending", specialOffered);
    _special_offer_pending = specialOffered != 0 ? 1 : 0;

    PackedRecord a;
    if (!a.LoadFrom(block, "a"))
    {
        // Without its record the airport keeps its other figures, but the
        // dates just read must still be ones play produces.
        if (HasPlausibleFigures())
            return true;
        if (error)
            *error = "airport details " + std::to_string(_id) + " hold dates no play can reach";
        return false;
    }
    if (a.Size() != RECORD_SIZE)
    {
        if (error)
            *error = "airport record \"a\" has " + std::to_string(a.Size()) + " bytes instead of 144";
        return false;
    }
    AirportDetails loaded = *this;
    loaded._airport = a.Get32();
    for (int32_t& v : loaded._demand)
        v = a.Get32();
    for (int32_t& v : loaded._bonus)
        v = a.Get32();
    loaded._adv_efficiency = a.Get32();
    loaded._event_chance = a.Get32();
    loaded._smuggling_risk = a.Get32();
    loaded._strike_risk = a.Get32();
    loaded._weather_risk = a.Get32();
    loaded._office = a.Get8();
    loaded._office_fee = a.Get64();
    loaded._route_out_cnt = a.Get32();
    loaded._route_in_cnt = a.Get32();
    loaded._neighbour_marks = static_cast<uint32_t>(a.Get32());
    loaded._id = a.Get32();
    loaded._next_id = a.Get32();
    loaded._event_pending = a.Get8();
    loaded._open = a.Get8();
    loaded._result_curr = a.Get64();
    loaded._result_last = a.Get64();
    loaded._event_state = a.Get32();
    loaded._reserved_a = a.Get32();
    loaded._event_value = a.Get64();
    loaded._event_mark = a.Get32();
    loaded._closure_reason = a.Get32();
    loaded._route_offer_pending = a.Get8();

    // Values that index tables or guard assertions must be plausible before the
    // record is used; anything else is carried as saved.
    char reason[128] = "";
    if (loaded._airport < 0 || loaded._airport >= Enviroment::AIRPORT_COUNT)
        std::snprintf(reason, sizeof(reason), "airport details %d name airport %d", loaded._id, loaded._airport);
    else if (loaded._route_out_cnt < 0 || loaded._route_out_cnt > MAX_ROUTES_OUT || loaded._route_in_cnt < 0)
        std::snprintf(reason, sizeof(reason), "airport details %d count %d routes out and %d in", loaded._id,
                      loaded._route_out_cnt, loaded._route_in_cnt);
    else if (!loaded.HasPlausibleFigures())
        std::snprintf(reason, sizeof(reason), "airport details %d hold demand, risks or dates no play can reach",
                      loaded._id);
    if (reason[0] != '\0')
    {
        if (error)
            *error = reason;
        return false;
    }
    *this = loaded;
    return true;
}

bool AirportDetails::operator==(const AirportDetails& o) const
{
    return _airport == o._airport && std::equal(_demand, _demand + NEIGHBOURS, o._demand) &&
           std::equal(_bonus, _bonus + NEIGHBOURS, o._bonus) && _adv_efficiency == o._adv_efficiency &&
           _event_chance == o._event_chance && _smuggling_risk == o._smuggling_risk &&
           _strike_risk == o._strike_risk && _weather_risk == o._weather_risk && _office == o._office &&
           _office_fee == o._office_fee && _route_out_cnt == o._route_out_cnt && _route_in_cnt == o._route_in_cnt &&
           _neighbour_marks == o._neighbour_marks && _research_date.Equals(o._research_date) &&
           _result_curr == o._result_curr && _result_last == o._result_last && _event_state == o._event_state &&
           _reserved_a == o._reserved_a && _event_value == o._event_value && _expiry_date.Equals(o._expiry_date) &&
           _event_mark == o._event_mark && _route_offer_pending == o._route_offer_pending &&
           _special_offer_pending == o._special_offer_pending && _id == o._id &&
           _next_id == o._next_id && _event_pending == o._event_pending && _open == o._open &&
           _closure_reason == o._closure_reason;
}
