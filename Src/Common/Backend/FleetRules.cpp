#include "Common/Backend/FleetRules.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "WinCE/Assert.h"

namespace
{
Company& TheCompany()
{
    Company* company = Enviroment::GetCompany();
    ASSERT(company && "the fleet rules need the world");
    return *company;
}
} // namespace

bool FleetRules::CanAfford(int64_t price)
{
    return price <= TheCompany().GetCash();
}

bool FleetRules::IsOnSale(int32_t model)
{
    return model >= 0 && model < Enviroment::GetModelCount() &&
           Enviroment::GetModelAvailability(model) == Enviroment::MODEL_ON_SALE;
}

int32_t FleetRules::NextModelOnSale(int32_t model, int32_t step)
{
    ASSERT((step == 1 || step == -1) && "the market moves one model at a time");
    const int32_t count = Enviroment::GetModelCount();
    if (model < 0 || model >= count)
        model = step > 0 ? count - 1 : 0;
    for (int32_t i = 1; i <= count; ++i)
    {
        const int32_t candidate = ((model + step * i) % count + count) % count;
        if (IsOnSale(candidate))
            return candidate;
    }
    return -1;
}

std::vector<int32_t> FleetRules::StartingAirports()
{
    std::vector<int32_t> airports;
    const Company& company = TheCompany();
    for (int32_t i = 0; i < company.GetAirportCount(); ++i)
    {
        const AirportDetails* details = company.GetDetails(i);
        if (details->_open && details->RoutesOut() < AirportDetails::MAX_ROUTES_OUT)
            airports.push_back(details->_airport);
    }
    return airports;
}

bool FleetRules::IsStartingAirport(int32_t airport)
{
    const AirportDetails* details = TheCompany().FindDetails(airport);
    return details && details->_open && details->RoutesOut() < AirportDetails::MAX_ROUTES_OUT;
}

bool FleetRules::IsDestination(const Plane& plane, int32_t source, int32_t destination)
{
    const Company& company = TheCompany();
    const int32_t distance = Enviroment::GetDistance(source, destination);
    if (distance < 0 || plane.Range() < static_cast<uint32_t>(distance))
        return false;
    if (!company.MayOpenRoute(source, destination))
        return false;
    const AirportDetails* details = company.FindDetails(destination);
    return !details || details->_open;
}

std::vector<int32_t> FleetRules::Destinations(const Plane& plane, int32_t source)
{
    std::vector<int32_t> airports;
    if (source < 0 || source >= Enviroment::AIRPORT_COUNT)
        return airports;
    for (int32_t slot = 0; slot < AirportDetails::NEIGHBOURS; ++slot)
    {
        const int32_t neighbour = Enviroment::GetNeighbour(source, slot);
        if (neighbour >= 0 && IsDestination(plane, source, neighbour))
            airports.push_back(neighbour);
    }
    return airports;
}

int64_t FleetRules::SetUpRoute(Plane* plane, int32_t source, int32_t destination, int32_t priceLevel,
                               int32_t serviceLevel, const Time& now)
{
    ASSERT(plane && IsStartingAirport(source) && IsDestination(*plane, source, destination) &&
           "a route is set up from a starting airport to one of its destinations");
    Company& company = TheCompany();
    company.OpenRoute(plane, source, destination, priceLevel, serviceLevel, now);
    return company.ClaimRouteOffer(source, destination);
}

bool FleetRules::CanTakeOver(const Plane& plane, const Route& route, const Plane* flownBy)
{
    if (&plane == flownBy || plane.HasRoute() || plane._damaged)
        return false;
    const int32_t distance = route.Distance();
    return distance >= 0 && plane.Range() >= static_cast<uint32_t>(distance);
}

std::vector<Plane*> FleetRules::PlanesForRoute(const Route& route, const Plane* flownBy)
{
    std::vector<Plane*> planes;
    const Company& company = TheCompany();
    for (int32_t i = 0; i < company.GetPlaneCount(); ++i)
    {
        Plane* plane = company.GetPlane(i);
        if (CanTakeOver(*plane, route, flownBy))
            planes.push_back(plane);
    }
    return planes;
}

bool FleetRules::ModelReaches(int32_t model, const Route& route)
{
    if (model < 0 || model >= Enviroment::GetModelCount())
        return false;
    return Enviroment::GetPlaneModel(model)._range >= static_cast<uint32_t>(route.Distance());
}

Plane* FleetRules::PlaneFlying(const Route* route)
{
    if (!route)
        return nullptr;
    const Company& company = TheCompany();
    for (int32_t i = 0; i < company.GetPlaneCount(); ++i)
    {
        if (company.GetPlane(i)->GetRoute() == route)
            return company.GetPlane(i);
    }
    return nullptr;
}

void FleetRules::SetRouteLevels(Plane* plane, int32_t priceLevel, int32_t serviceLevel)
{
    ASSERT(plane && plane->HasRoute() && "only a route a plane flies has levels to change");
    ASSERT(priceLevel >= Route::LEVEL_LOW && priceLevel <= Route::LEVEL_HIGH &&
           serviceLevel >= Route::LEVEL_LOW && serviceLevel <= Route::LEVEL_HIGH &&
           "route levels are low, medium or high");
    plane->GetRoute()->_price_level = priceLevel;
    plane->GetRoute()->_service_level = serviceLevel;
}

bool FleetRules::StandsStill(const Plane& plane)
{
    return !plane.HasRoute() || plane.IsStopped();
}

FleetRules::Contract FleetRules::BindingContract(const Plane& plane)
{
    const Route* route = plane.GetRoute();
    if (!route)
        return Contract::NONE;
    if (route->_hold[Route::HOLD_CHARITY])
        return Contract::CHARITY;
    if (route->_hold[Route::HOLD_VIP])
        return Contract::VIP;
    return Contract::NONE;
}

int32_t FleetRules::WarningBefore(int32_t confirmation, const Plane& plane)
{
    ASSERT((confirmation == Screens::SELL_PLANE || confirmation == Screens::SHUT_DOWN) &&
           "contracts are broken by a sale or a shut-down");
    const bool sale = confirmation == Screens::SELL_PLANE;
    switch (BindingContract(plane))
    {
    case Contract::CHARITY:
        return sale ? Screens::CHARITY_WARNING : Screens::CHARITY_WARNING_2;
    case Contract::VIP:
        return sale ? Screens::VIP_WARNING : Screens::VIP_WARNING_2;
    case Contract::NONE:
        break;
    }
    return confirmation;
}

int32_t FleetRules::ConfirmationAfter(int32_t notice)
{
    switch (notice)
    {
    case Screens::CHARITY_WARNING:
    case Screens::VIP_WARNING:
        return Screens::SELL_PLANE;
    case Screens::CHARITY_WARNING_2:
    case Screens::VIP_WARNING_2:
        return Screens::SHUT_DOWN;
    default:
        return 0;
    }
}
