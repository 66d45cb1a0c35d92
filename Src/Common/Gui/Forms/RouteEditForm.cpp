#include "Common/Gui/Forms/RouteEditForm.h"

#include "Common/Backend/FleetRules.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/ContractWarning.h"
#include "Common/Gui/Forms/LevelChoice.h"
#include "Common/Gui/Forms/ListSelection.h"
#include "WinCE/MaskedBitmap.h"
#include "WinCE/TickCount.h"

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, 13, 40, "Starting airport:"},
    {GfxResources::FONT_TEXT, 13, 76, "Destination airport:"},
    {GfxResources::FONT_TEXT, 13, 116, "Ticket price:"},
    {GfxResources::FONT_TEXT, 115, 116, "Service level:"},
    {GfxResources::FONT_SECONDARY, 13, 136, "low"},
    {GfxResources::FONT_SECONDARY, 13, 155, "medium"},
    {GfxResources::FONT_SECONDARY, 13, 174, "high"},
    {GfxResources::FONT_SECONDARY, 115, 136, "low"},
    {GfxResources::FONT_SECONDARY, 115, 155, "medium"},
    {GfxResources::FONT_SECONDARY, 115, 174, "high"},
};

constexpr ScreenButton BUTTONS[] = {
    {RouteEditForm::REPLACE, "sr_Replace_button.bmp", 13, 205},
    {RouteEditForm::SHUT_DOWN, "sr_ShutDown_button.bmp", 128, 205},
    {RouteEditForm::OK, "sr_Ok_button.bmp", 89, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Route edit", 10, 7, TEXTS, BUTTONS,
};

constexpr int16_t PRICE_X = 60;
constexpr int16_t SERVICE_X = 162;
constexpr int16_t LEVELS_TOP = 135;
constexpr int16_t LEVELS_STEP = 19;
constexpr int32_t LAMP_X = 212;
constexpr int32_t LAMP_Y = 49;

// The icons by contract: travel agency, charity, VIP.
enum Icon
{
    ICON_NONE = -1,
    ICON_TRAVEL,
    ICON_CHARITY,
    ICON_VIP,
};

Icon ContractIcon(const Plane& plane)
{
    // A special flight the plane waits for matters most: it stops the route.
    switch (FleetRules::BindingContract(plane))
    {
    case FleetRules::Contract::CHARITY:
        return ICON_CHARITY;
    case FleetRules::Contract::VIP:
        return ICON_VIP;
    case FleetRules::Contract::NONE:
        break;
    }
    return plane.HasRoute() && plane.GetRoute()->HasAgency() ? ICON_TRAVEL : ICON_NONE;
}
} // namespace

RouteEditForm::RouteEditForm(int32_t number) : SRForm(number, LAYOUT)
{
    _icons[ICON_TRAVEL] = std::make_unique<MaskedBitmap>("sr_Travel_Bicon.bmp", "sr_Travel_Bicon_mask.bmp");
    _icons[ICON_CHARITY] = std::make_unique<MaskedBitmap>("sr_Charity_Bicon.bmp", "sr_Travel_Bicon_mask.bmp");
    _icons[ICON_VIP] = std::make_unique<MaskedBitmap>("sr_VIP_Bicon.bmp", "sr_Travel_Bicon_mask.bmp");
    _lamps[0] = std::make_unique<MaskedBitmap>("sr_LightGreen_button.bmp", "sr_Lights_mask.bmp");
    _lamps[1] = std::make_unique<MaskedBitmap>("sr_LightRed_button.bmp", "sr_Lights_mask.bmp");
    const Plane* plane = Navigation()->GetCurrentPlane();
    const Route* route = plane ? plane->GetRoute() : nullptr;
    int32_t price = Route::LEVEL_MEDIUM;
    int32_t service = Route::LEVEL_MEDIUM;
    if (route)
    {
        price = route->_price_level;
        service = route->_service_level;
    }
    _levels = new LevelChoice(this, PRICE_X, SERVICE_X, LEVELS_TOP, LEVELS_STEP, price, service);
    Widgets().AddWidget(_levels);
    _shownState = ShownState();
}

RouteEditForm::~RouteEditForm() = default;

int32_t RouteEditForm::ContractNotice(const Plane& plane)
{
    switch (ContractIcon(plane))
    {
    case ICON_TRAVEL:
        return Screens::CONTRACT_INFO;
    case ICON_CHARITY:
        return Screens::CHARITY_ASSIGNED;
    case ICON_VIP:
        return Screens::VIP_ASSIGNED;
    default:
        return 0;
    }
}

int32_t RouteEditForm::ShownState() const
{
    const Plane* plane = Navigation()->GetCurrentPlane();
    if (!plane)
        return -1;
    return (ContractIcon(*plane) + 1) * 2 + (FleetRules::StandsStill(*plane) ? 1 : 0);
}

void RouteEditForm::PaintContent()
{
    const Plane* plane = Navigation()->GetCurrentPlane();
    const Route* route = plane ? plane->GetRoute() : nullptr;
    if (!route)
        return;
    DrawText(GfxResources::FONT_YELLOW, 23, 58, ListSelection::AirportLabel(route->_source).c_str());
    DrawText(GfxResources::FONT_YELLOW, 23, 94, ListSelection::AirportLabel(route->_destination).c_str());
    const Icon icon = ContractIcon(*plane);
    if (icon != ICON_NONE)
        _icons[icon]->Draw(this, ICON_X, ICON_Y, ROP_DEFAULT);
    _lamps[FleetRules::StandsStill(*plane) ? 1 : 0]->Draw(this, LAMP_X, LAMP_Y, ROP_DEFAULT);
}

bool RouteEditForm::OnIdle()
{
    const uint32_t now = GetTickCount();
    if (now - _refreshTick >= REFRESH)
    {
        _refreshTick = now;
        const int32_t state = ShownState();
        if (state != _shownState)
        {
            _shownState = state;
            Invalidate();
        }
    }
    return SRForm::OnIdle();
}

void RouteEditForm::OnStylusUp(int16_t x, int16_t y)
{
    Plane* plane = Navigation()->GetCurrentPlane();
    const bool onIcon = x >= ICON_X && x <= ICON_X + ICON_SIZE && y >= ICON_Y && y <= ICON_Y + ICON_SIZE;
    const int32_t notice = plane && onIcon ? ContractNotice(*plane) : 0;
    if (notice == 0)
    {
        SRForm::OnStylusUp(x, y);
        return;
    }
    ContractWarning::PrepareNotice(notice, plane);
    GoTo(notice);
}

void RouteEditForm::OnButton(int32_t id)
{
    Plane* plane = Navigation()->GetCurrentPlane();
    if (!plane || !plane->HasRoute())
    {
        GoTo(plane ? Screens::PLANE_DETAILS : Screens::PLANES);
        return;
    }
    switch (id)
    {
    case OK:
        FleetRules::SetRouteLevels(plane, _levels->GetPrice(), _levels->GetService());
        GoTo(Screens::PLANE_DETAILS);
        break;
    case REPLACE:
        Navigation()->SetCurrentRoute(plane);
        GoTo(Screens::REPLACE_PLANE);
        break;
    case SHUT_DOWN:
    {
        const int32_t target = FleetRules::WarningBefore(Screens::SHUT_DOWN, *plane);
        ContractWarning::PrepareNotice(target, plane);
        GoTo(target);
        break;
    }
    }
}
