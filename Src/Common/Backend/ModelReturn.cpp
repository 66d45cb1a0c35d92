#include "Common/Backend/ModelReturn.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/PlaneModel.h"
#include "Common/Backend/Route.h"
#include "WinCE/Assert.h"
#include "WinCE/Random.h"

namespace
{
constexpr int32_t MINUTES_PER_YEAR = 365 * 24 * 60;

// Puts the cost index of a chosen year in force for one computation and
// restores the game's index and random stream afterwards.
class WorldScope
{
public:
    explicit WorldScope(int32_t costIndex)
        : _ef(Enviroment::GetBaseCostIndex()), _et(Enviroment::GetSurcharge()), _rand(GetRandState())
    {
        SetBaseIndex(costIndex);
        Enviroment::SetSurcharge(0);
    }
    ~WorldScope()
    {
        SetBaseIndex(_ef);
        Enviroment::SetSurcharge(_et);
        SetRandState(_rand);
    }
    WorldScope(const WorldScope&) = delete;
    WorldScope& operator=(const WorldScope&) = delete;

private:
    static void SetBaseIndex(int32_t ef)
    {
        Enviroment::ResetCostIndex();
        Enviroment::RaiseCostIndex(ef - Enviroment::GetBaseCostIndex());
    }
    int32_t _ef;
    int32_t _et;
    uint32_t _rand;
};
} // namespace

ModelReturn::Figures ModelReturn::OnRoute(int32_t model, int32_t source, int32_t destination, int32_t costIndex)
{
    ASSERT(model >= 0 && model < Enviroment::GetModelCount() && "model index within the table");
    ASSERT(source >= 0 && source < Enviroment::AIRPORT_COUNT && "airport index within the table");
    Figures f;
    const PlaneModel pm = Enviroment::GetPlaneModel(model);
    const int32_t distance = Enviroment::GetDistance(source, destination);
    if (distance <= 0 || static_cast<uint32_t>(distance) > pm._range)
        return f;

    WorldScope scope(costIndex);
    // A fixed seed, so that the mean passengers do not depend on the game
    // the question is asked in.
    SRand(1);
    const Time start(Enviroment::FIRST_YEAR, 0, 1);
    AirportDetails details(source, 0);
    details.Gather(start);

    Plane plane(model, "", start, 0);
    Route route(source);
    route.SetDestination(destination);
    route.ComputeDuration(pm._speed);
    route._price_level = Route::LEVEL_MEDIUM;
    route._service_level = Route::LEVEL_MEDIUM;
    route._monthly_fee = Route::MonthlyFeeBase(Route::SetupCost(source, destination));

    int64_t seated = 0;
    for (int32_t i = 0; i < DRAWS; ++i)
    {
        const int32_t n = route.PassengersPerFlight(&details);
        seated += n < pm._capacity ? n : pm._capacity;
    }
    const int32_t n = static_cast<int32_t>(seated / DRAWS);

    f.model = model;
    f.source = source;
    f.destination = destination;
    f.distance = distance;
    f.costIndex = costIndex;
    f.passengers = n;
    f.flightNet = route.TicketIncome(n) - route.FlightCost(n, pm._capacity);
    f.legsPerYear = MINUTES_PER_YEAR / EventCommon::LegMinutes(route.DurationMinutes());
    f.yearlyNet = f.flightNet * f.legsPerYear - 12 * plane.MaintenanceCost(start) - 12 * route.MonthlyFee();
    f.price = pm._price;
    f.percent = f.price > 0 ? static_cast<int32_t>(f.yearlyNet * 100 / f.price) : 0;
    return f;
}

ModelReturn::Figures ModelReturn::BestRoute(int32_t model, int32_t costIndex, bool largestOnly)
{
    int32_t largest = 0;
    for (int32_t a = 0; a < Enviroment::AIRPORT_COUNT; ++a)
        largest = Enviroment::GetAirportSize(a) > largest ? Enviroment::GetAirportSize(a) : largest;
    Figures best;
    for (int32_t a = 0; a < Enviroment::AIRPORT_COUNT; ++a)
    {
        if (largestOnly && Enviroment::GetAirportSize(a) != largest)
            continue;
        for (int32_t slot = 0; slot < AirportInfo::NEIGHBOURS; ++slot)
        {
            const int32_t b = Enviroment::GetNeighbour(a, slot);
            if (largestOnly && Enviroment::GetAirportSize(b) != largest)
                continue;
            const Figures f = OnRoute(model, a, b, costIndex);
            if (f.Valid() && (!best.Valid() || f.yearlyNet > best.yearlyNet))
                best = f;
        }
    }
    return best;
}
