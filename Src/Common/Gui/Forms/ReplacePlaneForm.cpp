#include "Common/Gui/Forms/ReplacePlaneForm.h"

#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/FleetRules.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/ChoiceItem.h"
#include "Common/Gui/Forms/ListSelection.h"
#include "Wkr/Gui/Callback.h"
#include "Wkr/Gui/GfxButton.h"

#include <cstdio>

namespace
{
constexpr ScreenButton BUTTONS[] = {
    {ReplacePlaneForm::CANCEL, "sr_Cancel_button.bmp", 13, 238},
    {ReplacePlaneForm::OK, "sr_Ok_button.bmp", 89, 238},
    {ReplacePlaneForm::BUY, "sr_Buy_button.bmp", 167, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Replace plane", 10, 7, {}, BUTTONS,
};
} // namespace

ReplacePlaneForm::ReplacePlaneForm(int32_t number) : SRForm(number, LAYOUT), _list(AddList(true))
{
    const Route* route = Navigation()->GetCurrentRoute();
    if (!route)
    {
        GetButton(OK)->Disable();
        GetButton(BUY)->Disable();
        return;
    }
    const Plane* flying = FleetRules::PlaneFlying(route);
    for (Plane* plane : FleetRules::PlanesForRoute(*route, flying))
    {
        char label[96];
        std::snprintf(label, sizeof(label), "%s, %s", plane->_name.c_str(),
                      Enviroment::GetPlaneModel(plane->_model)._name);
        _list->AddItem(new ChoiceItem(label, _list, plane->_id,
                                      new MemberCallback<ReplacePlaneForm>(this, &ReplacePlaneForm::Choose)));
    }
    if (_list->GetCount() == 0)
        GetButton(OK)->Disable();
}

std::string ReplacePlaneForm::RouteLabel(const Route& route)
{
    const AirportInfo source = Enviroment::GetAirport(route._source);
    const AirportInfo destination = Enviroment::GetAirport(route._destination);
    char label[64];
    std::snprintf(label, sizeof(label), "%.20s - %.20s", source._short_name, destination._short_name);
    return label;
}

void ReplacePlaneForm::PaintContent()
{
    if (const Route* route = Navigation()->GetCurrentRoute())
        DrawText(GfxResources::FONT_YELLOW, 13, 40, RouteLabel(*route).c_str());
}

void ReplacePlaneForm::Choose()
{
    CentralFormChanger* navigation = Navigation();
    Company* company = Enviroment::GetCompany();
    Route* route = navigation->GetCurrentRoute();
    Plane* chosen = company->FindPlane(ListSelection::SelectedValue(_list));
    Plane* flying = FleetRules::PlaneFlying(route);
    if (!route || !chosen || !FleetRules::CanTakeOver(*chosen, *route, flying))
        return;
    const Time now = TimeSimulation::GetCurrGameTime();
    if (navigation->IsRouteProvisional())
        company->AttachRoute(chosen, navigation->TakeProvisionalRoute(), now);
    else if (flying)
        company->MoveRoute(flying, chosen, now);
    navigation->ClearCurrentRoute();
    navigation->SetCurrentPlane(chosen);
    GoTo(Screens::PLANE_DETAILS);
}

void ReplacePlaneForm::Abandon()
{
    CentralFormChanger* navigation = Navigation();
    // A route that waits for a plane is still counted at its airports: it
    // closes properly instead of vanishing.
    if (navigation->IsRouteProvisional() && navigation->GetCurrentRoute()->_replacement)
        Enviroment::GetCompany()->CloseDetachedRoute(navigation->TakeProvisionalRoute(),
                                                     TimeSimulation::GetCurrGameTime());
    navigation->ClearCurrentRoute();
}

void ReplacePlaneForm::OnButton(int32_t id)
{
    switch (id)
    {
    case OK:
        Choose();
        break;
    case BUY:
        if (Navigation()->HasCurrentRoute())
            GoTo(Screens::PLANE_BUYING);
        break;
    case CANCEL:
        if (Navigation()->PreviousForm() == Screens::ROUTE_EDIT && !Navigation()->IsRouteProvisional())
        {
            Navigation()->ClearCurrentRoute();
            Back();
            return;
        }
        Abandon();
        GoTo(Screens::PLANES);
        break;
    }
}

bool ReplacePlaneForm::OnKey(uint32_t keyBit, bool pressed)
{
    if (ListSelection::OnKey(_list, GetScrollBar(), keyBit, pressed))
        return true;
    return SRForm::OnKey(keyBit, pressed);
}
