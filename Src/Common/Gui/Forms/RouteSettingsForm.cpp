#include "Common/Gui/Forms/RouteSettingsForm.h"

#include "Common/Backend/FleetRules.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/LevelChoice.h"
#include "Common/Gui/Forms/ListSelection.h"

#include <cinttypes>
#include <cstdio>

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, 13, 40, "Starting airport:"},
    {GfxResources::FONT_TEXT, 13, 78, "Destination airport:"},
    {GfxResources::FONT_TEXT, 13, 118, "Setup cost:"},
    {GfxResources::FONT_TEXT, 13, 148, "Ticket price:"},
    {GfxResources::FONT_TEXT, 115, 148, "Service level:"},
    {GfxResources::FONT_SECONDARY, 13, 168, "low"},
    {GfxResources::FONT_SECONDARY, 13, 187, "medium"},
    {GfxResources::FONT_SECONDARY, 13, 206, "high"},
    {GfxResources::FONT_SECONDARY, 115, 168, "low"},
    {GfxResources::FONT_SECONDARY, 115, 187, "medium"},
    {GfxResources::FONT_SECONDARY, 115, 206, "high"},
};

constexpr ScreenButton BUTTONS[] = {
    {RouteSettingsForm::OK, "sr_Ok_button.bmp", 35, 238},
    {RouteSettingsForm::CANCEL, "sr_Cancel_button.bmp", 144, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::PLAIN, false, false, "Route settings", 10, 7, TEXTS, BUTTONS,
};

constexpr int16_t PRICE_X = 60;
constexpr int16_t SERVICE_X = 162;
constexpr int16_t LEVELS_TOP = 167;
constexpr int16_t LEVELS_STEP = 19;
} // namespace

RouteSettingsForm::RouteSettingsForm(int32_t number)
    : SRForm(number, LAYOUT), _levels(new LevelChoice(this, PRICE_X, SERVICE_X, LEVELS_TOP, LEVELS_STEP,
                                                      Route::LEVEL_MEDIUM, Route::LEVEL_MEDIUM))
{
    Widgets().AddWidget(_levels);
}

void RouteSettingsForm::PaintContent()
{
    const Route* route = Navigation()->IsRouteProvisional() ? Navigation()->GetCurrentRoute() : nullptr;
    if (!route || route->_destination < 0)
        return;
    DrawText(GfxResources::FONT_YELLOW, 23, 58, ListSelection::AirportLabel(route->_source).c_str());
    DrawText(GfxResources::FONT_YELLOW, 23, 96, ListSelection::AirportLabel(route->_destination).c_str());
    char cost[48];
    std::snprintf(cost, sizeof(cost), "$ %" PRId64, Route::SetupCost(route->_source, route->_destination));
    DrawRightAligned(GfxResources::FONT_YELLOW, 227, 118, cost);
}

void RouteSettingsForm::Confirm()
{
    CentralFormChanger* navigation = Navigation();
    Plane* plane = navigation->GetCurrentPlane();
    const Route* route = navigation->IsRouteProvisional() ? navigation->GetCurrentRoute() : nullptr;
    // The airports are checked again: an incident may have closed one since
    // they were chosen, or the game was resumed here.
    if (!plane || !route || plane->HasRoute() || !FleetRules::IsStartingAirport(route->_source) ||
        !FleetRules::IsDestination(*plane, route->_source, route->_destination))
    {
        navigation->ClearCurrentRoute();
        GoTo(Screens::PLANE_DETAILS);
        return;
    }
    const int32_t source = route->_source;
    const int32_t destination = route->_destination;
    navigation->ClearCurrentRoute();
    const int64_t award = FleetRules::SetUpRoute(plane, source, destination, _levels->GetPrice(),
                                                 _levels->GetService(), TimeSimulation::GetCurrGameTime());
    if (award > 0)
    {
        // The award notice shows the amount the offer paid.
        NoticeActions::SetNoticeAmount(award);
        GoTo(Screens::ROUTE_AWARD);
        return;
    }
    GoTo(Screens::PLANE_DETAILS);
}

void RouteSettingsForm::OnButton(int32_t id)
{
    if (id == OK)
    {
        Confirm();
        return;
    }
    Navigation()->ClearCurrentRoute();
    GoTo(Screens::PLANE_DETAILS);
}
