#include "Common/Gui/Forms/PlanesForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemPlane.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Controls/ScrollBar.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "WinCE/TickCount.h"
#include "Wkr/Gui/Callback.h"

namespace
{
enum Button
{
    BUY_NEW,
};

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, 13, 40, "List of your planes:"},
};

constexpr ScreenButton BUTTONS[] = {
    {BUY_NEW, "sr_BuyNew_button.bmp", 151, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Planes", 10, 7, TEXTS, BUTTONS,
};

// The first row in view, kept between visits.
int32_t s_firstRow = 0;

bool StandsStill(const Plane* plane)
{
    return !plane->HasRoute() || plane->IsStopped();
}

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
                                     StandsStill(plane), plane->_id, new ChoosePlaneCallback(this, i)));
    }
}

void PlanesForm::Refresh()
{
    const Company* company = Enviroment::GetCompany();
    if (company->GetPlaneCount() != _list->GetCount())
    {
        const int32_t first = _list->GetFirst();
        Fill();
        _list->SetFirst(first);
        GetScrollBar()->UpdateThumb();
        GetScrollBar()->Draw();
        return;
    }
    for (int32_t i = 0; i < company->GetPlaneCount(); ++i)
        static_cast<ItemPlane*>(_list->GetItem(i))->SetStopped(StandsStill(company->GetPlane(i)));
    // Marks the rows for drawing at the next update.
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
