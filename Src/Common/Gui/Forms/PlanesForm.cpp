#include "Common/Gui/Forms/PlanesForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/FleetRules.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemPlane.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Controls/ScrollBar.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/ListSelection.h"
#include "WinCE/TickCount.h"
#include "Wkr/Gui/Callback.h"

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, 13, 40, "List of your planes:"},
};

constexpr ScreenButton BUTTONS[] = {
    {PlanesForm::BUY_NEW, "sr_BuyNew_button.bmp", 151, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Planes", 10, 7, TEXTS, BUTTONS,
};

// The first row in view, kept between visits.
int32_t s_firstRow = 0;

class ChoosePlaneCallback : public Callback
{
public:
    ChoosePlaneCallback(PlanesForm* form, int32_t position) : _form(form), _position(position) {}
    void Invoke() override { _form->ChoosePlane(_position); }

private:
    PlanesForm* _form;
    int32_t _position;
};
} // namespace

PlanesForm::PlanesForm(int32_t number) : SRForm(number, LAYOUT), _list(AddList(true))
{
    DropPendingRoute();
    Fill();
    _list->SetFirst(s_firstRow);
    GetScrollBar()->UpdateThumb();
    _popup = AddGoPopup(Screens::PLANES);
}

void PlanesForm::Fill()
{
    _list->Clear();
    const Company* company = Enviroment::GetCompany();
    for (int32_t i = 0; i < company->GetPlaneCount(); ++i)
    {
        const Plane* plane = company->GetPlane(i);
        _list->AddItem(new ItemPlane(plane->_name, Enviroment::GetPlaneModel(plane->_model)._name,
                                     FleetRules::StandsStill(*plane), plane->_id,
                                     new ChoosePlaneCallback(this, i)));
    }
    _lamps.assign(static_cast<size_t>(company->GetPlaneCount()), false);
    for (int32_t i = 0; i < company->GetPlaneCount(); ++i)
        _lamps[static_cast<size_t>(i)] = FleetRules::StandsStill(*company->GetPlane(i));
}

void PlanesForm::DropPendingRoute()
{
    // The route screens' current route lives only while their flow runs; the
    // planes list ends it. A route that waited for a replacement plane closes
    // properly, so its airports stop counting it.
    CentralFormChanger* navigation = Navigation();
    if (!navigation->HasCurrentRoute())
        return;
    if (navigation->IsRouteProvisional() && navigation->GetCurrentRoute()->_replacement)
        Enviroment::GetCompany()->CloseDetachedRoute(navigation->TakeProvisionalRoute(),
                                                     TimeSimulation::GetCurrGameTime());
    navigation->ClearCurrentRoute();
}

void PlanesForm::Refresh()
{
    const Company* company = Enviroment::GetCompany();
    bool samePlanes = company->GetPlaneCount() == _list->GetCount();
    for (int32_t i = 0; samePlanes && i < company->GetPlaneCount(); ++i)
        samePlanes = static_cast<ItemPlane*>(_list->GetItem(i))->GetPlaneId() == company->GetPlane(i)->_id;
    if (!samePlanes)
    {
        const int32_t first = _list->GetFirst();
        Fill();
        _list->SetFirst(first);
        GetScrollBar()->UpdateThumb();
        GetScrollBar()->Draw();
        return;
    }
    // Only a lamp that changed redraws the list; unchanged rows cost nothing.
    bool changed = false;
    for (int32_t i = 0; i < company->GetPlaneCount(); ++i)
    {
        const bool still = FleetRules::StandsStill(*company->GetPlane(i));
        if (still == _lamps[static_cast<size_t>(i)])
            continue;
        _lamps[static_cast<size_t>(i)] = still;
        static_cast<ItemPlane*>(_list->GetItem(i))->SetStopped(still);
        changed = true;
    }
    if (changed)
        _list->SetFirst(_list->GetFirst());
}

void PlanesForm::ChoosePlane(int32_t position)
{
    const Company* company = Enviroment::GetCompany();
    if (position < 0 || position >= company->GetPlaneCount())
        return;
    Navigation()->SetCurrentPlane(company->GetPlane(position));
    GoTo(Screens::PLANE_DETAILS);
}

void PlanesForm::OnButton(int32_t id)
{
    if (id == BUY_NEW)
        GoTo(Screens::PLANE_BUYING);
}

void PlanesForm::OnHide()
{
    s_firstRow = _list->GetFirst();
    SRForm::OnHide();
}

bool PlanesForm::OnIdle()
{
    const uint32_t now = GetTickCount();
    if (GameState::IsSimulationRunning() && !_popup->IsOpen() && now - _refreshTick >= REFRESH)
    {
        _refreshTick = now;
        Refresh();
    }
    return SRForm::OnIdle();
}

bool PlanesForm::OnKey(uint32_t keyBit, bool pressed)
{
    if (ListSelection::OnKey(_list, GetScrollBar(), keyBit, pressed))
        return true;
    return SRForm::OnKey(keyBit, pressed);
}
