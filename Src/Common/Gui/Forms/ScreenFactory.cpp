#include "Common/Gui/Forms/ScreenFactory.h"

#include "Common/Backend/Notices.h"
#include "Common/Gui/Forms/AdvertisingForm.h"
#include "Common/Gui/Forms/AgencyOfferForm.h"
#include "Common/Gui/Forms/AirportDetailsForm.h"
#include "Common/Gui/Forms/AirportSelectionForm.h"
#include "Common/Gui/Forms/AirportsForm.h"
#include "Common/Gui/Forms/BankForm.h"
#include "Common/Gui/Forms/BuyOfficeCAForm.h"
#include "Common/Gui/Forms/BuyOfficeForm.h"
#include "Common/Gui/Forms/ChangeRateForm.h"
#include "Common/Gui/Forms/CompanyNameForm.h"
#include "Common/Gui/Forms/CreditAmountForm.h"
#include "Common/Gui/Forms/DemandInfoForm.h"
#include "Common/Gui/Forms/DestinationAirportForm.h"
#include "Common/Gui/Forms/FoodPoisoningForm.h"
#include "Common/Gui/Forms/GameOverForm.h"
#include "Common/Gui/Forms/NewGameForm.h"
#include "Common/Gui/Forms/NoDestinationForm.h"
#include "Common/Gui/Forms/NoticeForm.h"
#include "Common/Gui/Forms/PlaneBuyingForm.h"
#include "Common/Gui/Forms/PlaneChoiceForm.h"
#include "Common/Gui/Forms/PlaneCrashForm.h"
#include "Common/Gui/Forms/PlaneDamageForm.h"
#include "Common/Gui/Forms/PlaneDetailsForm.h"
#include "Common/Gui/Forms/PlaneNameForm.h"
#include "Common/Gui/Forms/PlanesForm.h"
#include "Common/Gui/Forms/RepairPlaneCAForm.h"
#include "Common/Gui/Forms/RepairPlaneForm.h"
#include "Common/Gui/Forms/ReplacePlaneForm.h"
#include "Common/Gui/Forms/ResearchForm.h"
#include "Common/Gui/Forms/RetireForm.h"
#include "Common/Gui/Forms/RiskInfoForm.h"
#include "Common/Gui/Forms/RouteEditForm.h"
#include "Common/Gui/Forms/RouteSettingsForm.h"
#include "Common/Gui/Forms/SellOfficeForm.h"
#include "Common/Gui/Forms/SellPlaneForm.h"
#include "Common/Gui/Forms/ShutDownForm.h"
#include "Common/Gui/Forms/SmugglingOfferForm.h"
#include "Common/Gui/Forms/SpecialFlightPlaneForm.h"
#include "Common/Gui/Forms/SpecialOfferForm.h"
#include "Common/Gui/Forms/StartingAirportForm.h"
#include "Common/Gui/Forms/StatisticsForm.h"
#include "Common/Gui/Forms/TimeCashForm.h"

namespace
{
template <class T> SRForm* Make(int32_t number)
{
    return new T(number);
}

// In number order; a screen's file says what its numbers mean.
constexpr ScreenFactory::Row ROWS[] = {
    {Screens::NEW_GAME, Screens::NEW_GAME, "NewGameForm", Make<NewGameForm>},
    {Screens::COMPANY_NAME, Screens::COMPANY_NAME, "CompanyNameForm", Make<CompanyNameForm>},
    {Screens::AIRPORT_SELECTION, Screens::AIRPORT_SELECTION, "AirportSelectionForm",
     Make<AirportSelectionForm>},
    {Screens::BANK, Screens::BANK, "BankForm", Make<BankForm>},
    {Screens::PLANES, Screens::PLANES, "PlanesForm", Make<PlanesForm>},
    {Screens::AIRPORTS, Screens::AIRPORTS, "AirportsForm", Make<AirportsForm>},
    // The page of the navigation sub-state.
    {Screens::STATISTICS, Screens::STATISTICS, "StatisticsForm", StatisticsForm::Build},
    {Screens::OBTAIN_CREDIT, Screens::REPAY_CREDIT, "CreditAmountForm", Make<CreditAmountForm>},
    {Screens::CHANGE_RATE, Screens::CREDIT_FINE, "ChangeRateForm", Make<ChangeRateForm>},
    {Screens::PLANE_DETAILS, Screens::PLANE_DETAILS, "PlaneDetailsForm", Make<PlaneDetailsForm>},
    {Screens::PLANE_BUYING, Screens::PLANE_BUYING, "PlaneBuyingForm", Make<PlaneBuyingForm>},
    {Screens::PLANE_NAME, Screens::PLANE_NAME, "PlaneNameForm", Make<PlaneNameForm>},
    {Screens::SELL_PLANE, Screens::SELL_PLANE, "SellPlaneForm", Make<SellPlaneForm>},
    {Screens::SHUT_DOWN, Screens::SHUT_DOWN, "ShutDownForm", Make<ShutDownForm>},
    {Screens::ROUTE_EDIT, Screens::ROUTE_EDIT, "RouteEditForm", Make<RouteEditForm>},
    {Screens::STARTING_AIRPORT, Screens::STARTING_AIRPORT, "StartingAirportForm", Make<StartingAirportForm>},
    {Screens::DESTINATION_AIRPORT, Screens::DESTINATION_AIRPORT, "DestinationAirportForm",
     Make<DestinationAirportForm>},
    {Screens::NO_DESTINATION, Screens::NO_DESTINATION, "NoDestinationForm", Make<NoDestinationForm>},
    {Screens::REPAIR_PLANE, Screens::REPAIR_PLANE, "RepairPlaneForm", Make<RepairPlaneForm>},
    {Screens::REPAIR_CANNOT_AFFORD, Screens::REPAIR_CANNOT_AFFORD, "RepairPlaneCAForm",
     Make<RepairPlaneCAForm>},
    {Screens::ROUTE_SETTINGS, Screens::ROUTE_SETTINGS, "RouteSettingsForm", Make<RouteSettingsForm>},
    {Screens::REPLACE_PLANE, Screens::REPLACE_PLANE, "ReplacePlaneForm", Make<ReplacePlaneForm>},
    {Screens::AIRPORT_DETAILS, Screens::AIRPORT_DETAILS, "AirportDetailsForm", Make<AirportDetailsForm>},
    {Screens::DEMAND_INFO, Screens::DEMAND_INFO, "DemandInfoForm", Make<DemandInfoForm>},
    {Screens::RISK_INFO, Screens::RISK_INFO, "RiskInfoForm", Make<RiskInfoForm>},
    {Screens::RESEARCH, Screens::RESEARCH_NOT_NEEDED, "ResearchForm", Make<ResearchForm>},
    {Screens::ADVERTISING, Screens::ADVERTISING, "AdvertisingForm", Make<AdvertisingForm>},
    {Screens::BUY_OFFICE, Screens::BUY_OFFICE, "BuyOfficeForm", Make<BuyOfficeForm>},
    {Screens::BUY_OFFICE_CANNOT_AFFORD, Screens::BUY_OFFICE_CANNOT_AFFORD, "BuyOfficeCAForm",
     Make<BuyOfficeCAForm>},
    {Screens::SELL_OFFICE, Screens::SELL_OFFICE, "SellOfficeForm", Make<SellOfficeForm>},
    {Screens::REALLY_RETIRE, Screens::REALLY_RETIRE, "RetireForm", Make<RetireForm>},
    {Screens::GAME_OVER_RETIRED, Screens::GAME_OVER_LAST_PLANE, "GameOverForm", Make<GameOverForm>},
    {Screens::TIME_AND_CASH, Screens::TIME_AND_CASH, "TimeCashForm", Make<TimeCashForm>},
    {Screens::PLANE_DAMAGE, Screens::PLANE_DAMAGE, "PlaneDamageForm", Make<PlaneDamageForm>},
    {Screens::PLANE_CRASH, Screens::PLANE_CRASH, "PlaneCrashForm", Make<PlaneCrashForm>},
    {Screens::NEW_MODEL, Screens::MODEL_WITHDRAWAL, "NoticeForm", Make<NoticeForm>},
    {Screens::BAD_WEATHER, Screens::BAD_WEATHER_2, "NoticeForm", Make<NoticeForm>},
    {Screens::SMUGGLING_OFFER, Screens::SMUGGLING_OFFER, "SmugglingOfferForm", Make<SmugglingOfferForm>},
    {Screens::SMUGGLING_DETECTED, Screens::STAFF_STRIKE, "NoticeForm", Make<NoticeForm>},
    {Screens::ROUTE_OFFER, Screens::ROUTE_AWARD, "NoticeForm", Make<NoticeForm>},
    {Screens::AGENCY_OFFER, Screens::AGENCY_OFFER, "AgencyOfferForm", Make<AgencyOfferForm>},
    {Screens::AGENCY_SHORT_OF_SEATS, Screens::CONTRACT_INFO, "NoticeForm", Make<NoticeForm>},
    {Screens::CHARITY_OFFER, Screens::CHARITY_OFFER_INFO, "SpecialOfferForm", Make<SpecialOfferForm>},
    {Screens::CHARITY_ASSIGN, Screens::CHARITY_ASSIGN, "PlaneChoiceForm", Make<PlaneChoiceForm>},
    {Screens::CHARITY_ASSIGNED, Screens::CHARITY_WARNING_2, "SpecialFlightPlaneForm",
     Make<SpecialFlightPlaneForm>},
    {Screens::CHARITY_NO_PLANE, Screens::CHARITY_EXPIRED, "NoticeForm", Make<NoticeForm>},
    {Screens::VIP_OFFER, Screens::VIP_OFFER_INFO, "SpecialOfferForm", Make<SpecialOfferForm>},
    {Screens::VIP_ASSIGN, Screens::VIP_ASSIGN, "PlaneChoiceForm", Make<PlaneChoiceForm>},
    {Screens::VIP_ASSIGNED, Screens::VIP_WARNING_2, "SpecialFlightPlaneForm", Make<SpecialFlightPlaneForm>},
    {Screens::VIP_NO_PLANE, Screens::VIP_EXPIRED, "NoticeForm", Make<NoticeForm>},
    {Screens::THUNDERSTORM, Screens::HEART_ATTACK, "NoticeForm", Make<NoticeForm>},
    {Screens::FOOD_POISONING, Screens::FOOD_POISONING, "FoodPoisoningForm", Make<FoodPoisoningForm>},
    {Screens::EMERGENCY_STATE, Screens::ECONOMY_LEVELS, "NoticeForm", Make<NoticeForm>},
};
} // namespace

const ScreenFactory::Row* ScreenFactory::Find(int32_t number)
{
    for (const Row& row : ROWS)
    {
        if (number >= row.first && number <= row.last)
            return &row;
    }
    return nullptr;
}

namespace
{
int64_t s_builtTotal = 0;
} // namespace

SRForm* ScreenFactory::Build(int32_t number)
{
    const Row* row = Find(number);
    if (!row)
        return nullptr;
    ++s_builtTotal;
    return row->build(number);
}

int64_t ScreenFactory::BuiltTotal()
{
    return s_builtTotal;
}
