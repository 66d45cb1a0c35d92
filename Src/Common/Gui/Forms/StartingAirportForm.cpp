#include "Common/Gui/Forms/StartingAirportForm.h"

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

#include <memory>

namespace
{
constexpr ScreenText LIST_TEXTS[] = {
    {GfxResources::FONT_TEXT, 13, 40, "Select starting airport:"},
};

constexpr ScreenButton LIST_BUTTONS[] = {
    {StartingAirportForm::OK, "sr_Ok_button.bmp", 35, 238},
    {StartingAirportForm::CANCEL, "sr_Cancel_button.bmp", 144, 238},
};

constexpr ScreenLayout LIST_LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Starting airport", 10, 7, LIST_TEXTS, LIST_BUTTONS,
};

constexpr ScreenText NONE_TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 100, "There are no starting airports"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 116, "available"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 146, "Try to research one!"},
};

constexpr ScreenButton NONE_BUTTONS[] = {
    {StartingAirportForm::OK, "sr_Ok_button.bmp", 89, 189},
};

constexpr ScreenLayout NONE_LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false,      "Starting airport",
    SRForm::CENTRED,           53,    NONE_TEXTS, NONE_BUTTONS,
};
} // namespace

StartingAirportForm::StartingAirportForm(int32_t number)
    : SRForm(number, FleetRules::StartingAirports().empty() ? NONE_LAYOUT : LIST_LAYOUT)
{
    const std::vector<int32_t> airports = FleetRules::StartingAirports();
    if (airports.empty())
        return;
    _list = AddList(true);
    for (const int32_t airport : airports)
    {
        _list->AddItem(
            new ChoiceItem(ListSelection::AirportLabel(airport), _list, airport,
                           new MemberCallback<StartingAirportForm>(this, &StartingAirportForm::Choose)));
    }
}

void StartingAirportForm::Choose()
{
    Plane* plane = Navigation()->GetCurrentPlane();
    const int32_t source = _list ? ListSelection::SelectedValue(_list) : -1;
    if (!plane || plane->HasRoute() || source < 0)
    {
        GoTo(Screens::PLANE_DETAILS);
        return;
    }
    if (FleetRules::Destinations(*plane, source).empty())
    {
        GoTo(Screens::NO_DESTINATION);
        return;
    }
    // The route being set up belongs to the navigation state until the
    // plane takes it over on the route settings screen.
    Navigation()->SetProvisionalRoute(std::make_unique<Route>(source));
    GoTo(Screens::DESTINATION_AIRPORT);
}

void StartingAirportForm::OnButton(int32_t id)
{
    if (id == OK && _list)
        Choose();
    else
        GoTo(Screens::PLANE_DETAILS);
}

bool StartingAirportForm::OnKey(uint32_t keyBit, bool pressed)
{
    if (_list && ListSelection::OnKey(_list, GetScrollBar(), keyBit, pressed))
        return true;
    return SRForm::OnKey(keyBit, pressed);
}
