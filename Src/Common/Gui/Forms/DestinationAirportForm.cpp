#include "Common/Gui/Forms/DestinationAirportForm.h"

#include "Common/Backend/FleetRules.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/ChoiceItem.h"
#include "Common/Gui/Forms/ListSelection.h"
#include "Wkr/Gui/Callback.h"

#include <cinttypes>
#include <cstdio>

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, 13, 40, "Setup cost:"},
};

constexpr ScreenButton BUTTONS[] = {
    {DestinationAirportForm::OK, "sr_Ok_button.bmp", 35, 238},
    {DestinationAirportForm::CANCEL, "sr_Cancel_button.bmp", 144, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Destination", 10, 7, TEXTS, BUTTONS,
};

constexpr int32_t COST_RIGHT = 227;
constexpr int32_t COST_Y = 40;
} // namespace

DestinationAirportForm::DestinationAirportForm(int32_t number) : SRForm(number, LAYOUT), _list(AddList(true))
{
    const Plane* plane = Navigation()->GetCurrentPlane();
    const Route* route = Navigation()->IsRouteProvisional() ? Navigation()->GetCurrentRoute() : nullptr;
    if (!plane || !route)
        return;
    _source = route->_source;
    for (const int32_t airport : FleetRules::Destinations(*plane, _source))
    {
        _list->AddItem(new ChoiceItem(
            ListSelection::AirportLabel(airport), _list, airport,
            new MemberCallback<DestinationAirportForm>(this, &DestinationAirportForm::Choose)));
    }
    _shownSelection = _list->GetSelected();
}

int64_t DestinationAirportForm::GetSetupCost() const
{
    const int32_t destination = ListSelection::SelectedValue(_list);
    return destination < 0 ? 0 : Route::SetupCost(_source, destination);
}

void DestinationAirportForm::PaintContent()
{
    if (_list->GetCount() == 0)
        return;
    char text[48];
    std::snprintf(text, sizeof(text), "$ %" PRId64, GetSetupCost());
    DrawRightAligned(GfxResources::FONT_YELLOW, COST_RIGHT, COST_Y, text);
}

bool DestinationAirportForm::OnIdle()
{
    // The cost follows the selection, whether a tap or a key moved it.
    if (_list->GetSelected() != _shownSelection)
    {
        _shownSelection = _list->GetSelected();
        Invalidate();
    }
    return SRForm::OnIdle();
}

void DestinationAirportForm::Choose()
{
    Route* route = Navigation()->IsRouteProvisional() ? Navigation()->GetCurrentRoute() : nullptr;
    const int32_t destination = ListSelection::SelectedValue(_list);
    if (!route || !Navigation()->HasCurrentPlane())
    {
        Navigation()->ClearCurrentRoute();
        GoTo(Screens::PLANE_DETAILS);
        return;
    }
    if (destination < 0)
    {
        GoTo(Screens::NO_DESTINATION);
        return;
    }
    route->SetDestination(destination);
    GoTo(Screens::ROUTE_SETTINGS);
}

void DestinationAirportForm::OnButton(int32_t id)
{
    if (id == OK)
    {
        Choose();
        return;
    }
    Navigation()->ClearCurrentRoute();
    GoTo(Screens::PLANE_DETAILS);
}

bool DestinationAirportForm::OnKey(uint32_t keyBit, bool pressed)
{
    if (ListSelection::OnKey(_list, GetScrollBar(), keyBit, pressed))
        return true;
    return SRForm::OnKey(keyBit, pressed);
}
