#include "Common/Backend/Events/EventRegistry.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/EventFactory.h"
#include "Common/Backend/Events/AgencyContractEndEvent.h"
#include "Common/Backend/Events/AgencyOfferEvent.h"
#include "Common/Backend/Events/AirportEffectEvent.h"
#include "Common/Backend/Events/AirportGrowthEvent.h"
#include "Common/Backend/Events/AirportReopenEvent.h"
#include "Common/Backend/Events/BadWeatherEvent.h"
#include "Common/Backend/Events/BirthInAirEvent.h"
#include "Common/Backend/Events/CharityOfferEvent.h"
#include "Common/Backend/Events/CharityOfferExpiryEvent.h"
#include "Common/Backend/Events/CheckInEvent.h"
#include "Common/Backend/Events/CreditInstallmentEvent.h"
#include "Common/Backend/Events/DailyEvent.h"
#include "Common/Backend/Events/DepartureEvent.h"
#include "Common/Backend/Events/EconomyFallsEvent.h"
#include "Common/Backend/Events/EconomyGrowsEvent.h"
#include "Common/Backend/Events/EconomyLevelsEvent.h"
#include "Common/Backend/Events/EmergencyStateEvent.h"
#include "Common/Backend/Events/EventHooks.h"
#include "Common/Backend/Events/FoodPoisoningEvent.h"
#include "Common/Backend/Events/HeartAttackEvent.h"
#include "Common/Backend/Events/LandingEvent.h"
#include "Common/Backend/Events/ManeuversEvent.h"
#include "Common/Backend/Events/ModelRetirementEvent.h"
#include "Common/Backend/Events/ModelWithdrawalEvent.h"
#include "Common/Backend/Events/MonthlyEvent.h"
#include "Common/Backend/Events/NewModelEvent.h"
#include "Common/Backend/Events/OfficeRentEvent.h"
#include "Common/Backend/Events/PlaneCrashEvent.h"
#include "Common/Backend/Events/PlaneUpkeepEvent.h"
#include "Common/Backend/Events/PoliceReleaseEvent.h"
#include "Common/Backend/Events/RefuelEvent.h"
#include "Common/Backend/Events/RouteCostEvent.h"
#include "Common/Backend/Events/RouteOfferEvent.h"
#include "Common/Backend/Events/RouteOfferExpiryEvent.h"
#include "Common/Backend/Events/StaffStrikeEvent.h"
#include "Common/Backend/Events/StrongWindEvent.h"
#include "Common/Backend/Events/ThickFogEvent.h"
#include "Common/Backend/Events/ThunderstormEvent.h"
#include "Common/Backend/Events/VipOfferEvent.h"
#include "Common/Backend/Events/VipOfferExpiryEvent.h"
#include "Common/Backend/Events/WeeklyEvent.h"
#include "Common/Backend/Events/YearlyCompanyEvent.h"
#include "Common/Backend/Events/YearlyEvent.h"

namespace
{
struct Entry
{
    int32_t type;
    EventFactory::Creator create;
    const char* name;
};

const Entry ENTRIES[EventRegistry::CLASS_COUNT] = {
    {DepartureEvent::TYPE, DepartureEvent::Create, "DepartureEvent"},
    {LandingEvent::TYPE, LandingEvent::Create, "LandingEvent"},
    {RefuelEvent::TYPE, RefuelEvent::Create, "RefuelEvent"},
    {CheckInEvent::TYPE, CheckInEvent::Create, "CheckInEvent"},
    {PlaneCrashEvent::TYPE, PlaneCrashEvent::Create, "PlaneCrashEvent"},
    {RouteCostEvent::TYPE, RouteCostEvent::Create, "RouteCostEvent"},
    {PlaneUpkeepEvent::TYPE, PlaneUpkeepEvent::Create, "PlaneUpkeepEvent"},
    {PoliceReleaseEvent::TYPE, PoliceReleaseEvent::Create, "PoliceReleaseEvent"},
    {AgencyContractEndEvent::TYPE, AgencyContractEndEvent::Create, "AgencyContractEndEvent"},
    {BirthInAirEvent::TYPE, BirthInAirEvent::Create, "BirthInAirEvent"},
    {HeartAttackEvent::TYPE, HeartAttackEvent::Create, "HeartAttackEvent"},
    {FoodPoisoningEvent::TYPE, FoodPoisoningEvent::Create, "FoodPoisoningEvent"},
    {OfficeRentEvent::TYPE, OfficeRentEvent::Create, "OfficeRentEvent"},
    {AirportGrowthEvent::TYPE, AirportGrowthEvent::Create, "AirportGrowthEvent"},
    {AirportEffectEvent::TYPE, AirportEffectEvent::Create, "AirportEffectEvent"},
    {BadWeatherEvent::TYPE, BadWeatherEvent::Create, "BadWeatherEvent"},
    {StaffStrikeEvent::TYPE, StaffStrikeEvent::Create, "StaffStrikeEvent"},
    {ThunderstormEvent::TYPE, ThunderstormEvent::Create, "ThunderstormEvent"},
    {StrongWindEvent::TYPE, StrongWindEvent::Create, "StrongWindEvent"},
    {AirportReopenEvent::TYPE, AirportReopenEvent::Create, "AirportReopenEvent"},
    {RouteOfferExpiryEvent::TYPE, RouteOfferExpiryEvent::Create, "RouteOfferExpiryEvent"},
    {CharityOfferExpiryEvent::TYPE, CharityOfferExpiryEvent::Create, "CharityOfferExpiryEvent"},
    {VipOfferExpiryEvent::TYPE, VipOfferExpiryEvent::Create, "VipOfferExpiryEvent"},
    {ManeuversEvent::TYPE, ManeuversEvent::Create, "ManeuversEvent"},
    {ThickFogEvent::TYPE, ThickFogEvent::Create, "ThickFogEvent"},
    {EmergencyStateEvent::TYPE, EmergencyStateEvent::Create, "EmergencyStateEvent"},
    {YearlyCompanyEvent::TYPE, YearlyCompanyEvent::Create, "YearlyCompanyEvent"},
    {CreditInstallmentEvent::TYPE, CreditInstallmentEvent::Create, "CreditInstallmentEvent"},
    {MonthlyEvent::TYPE, MonthlyEvent::Create, "MonthlyEvent"},
    {YearlyEvent::TYPE, YearlyEvent::Create, "YearlyEvent"},
    {WeeklyEvent::TYPE, WeeklyEvent::Create, "WeeklyEvent"},
    {DailyEvent::TYPE, DailyEvent::Create, "DailyEvent"},
    {NewModelEvent::TYPE, NewModelEvent::Create, "NewModelEvent"},
    {ModelWithdrawalEvent::TYPE, ModelWithdrawalEvent::Create, "ModelWithdrawalEvent"},
    {ModelRetirementEvent::TYPE, ModelRetirementEvent::Create, "ModelRetirementEvent"},
    {RouteOfferEvent::TYPE, RouteOfferEvent::Create, "RouteOfferEvent"},
    {CharityOfferEvent::TYPE, CharityOfferEvent::Create, "CharityOfferEvent"},
    {VipOfferEvent::TYPE, VipOfferEvent::Create, "VipOfferEvent"},
    {AgencyOfferEvent::TYPE, AgencyOfferEvent::Create, "AgencyOfferEvent"},
    {EconomyGrowsEvent::TYPE, EconomyGrowsEvent::Create, "EconomyGrowsEvent"},
    {EconomyFallsEvent::TYPE, EconomyFallsEvent::Create, "EconomyFallsEvent"},
    {EconomyLevelsEvent::TYPE, EconomyLevelsEvent::Create, "EconomyLevelsEvent"},
};

struct TypeList
{
    TypeList()
    {
        for (int32_t i = 0; i < EventRegistry::CLASS_COUNT; ++i)
            types[i] = ENTRIES[i].type;
    }
    int32_t types[EventRegistry::CLASS_COUNT];
};
} // namespace

void EventRegistry::RegisterAll()
{
    for (const Entry& entry : ENTRIES)
        EventFactory::Register(entry.type, entry.create);
}

void EventRegistry::Install()
{
    RegisterAll();
    Enviroment::SetEventHooks(&EventHooks::Instance());
}

const int32_t* EventRegistry::Types()
{
    static const TypeList list;
    return list.types;
}

const char* EventRegistry::ClassName(int32_t type)
{
    for (const Entry& entry : ENTRIES)
    {
        if (entry.type == type)
            return entry.name;
    }
    return nullptr;
}
