#include "Common/Gui/Forms/PlaneNameForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/FleetRules.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/PlaneBuyingForm.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/UIControls/TextField.h"
#include "Wkr/Gui/GfxButton.h"

#include <string>

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 107, "Give this plane a name:"},
};

constexpr ScreenButton BUTTONS[] = {
    {PlaneNameForm::OK, "sr_Ok_button.bmp", 35, 189},
    {PlaneNameForm::CANCEL, "sr_Cancel_button.bmp", 144, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Plane name", SRForm::CENTRED, 53, TEXTS, BUTTONS,
};

constexpr int32_t PANEL_X = 20;
constexpr int32_t PANEL_Y = 131;
constexpr uint32_t FIELD_TEXT = RGB(236, 242, 250);
constexpr uint32_t FIELD_BACKGROUND = RGB(14, 36, 76);
} // namespace

PlaneNameForm::PlaneNameForm(int32_t number)
    : SRForm(number, LAYOUT), _field(new TextField(26, 139, 184, 17, this, MAX_NAME, true, true, 0, false,
                                                   FIELD_TEXT, FIELD_BACKGROUND))
{
    const std::string proposal = "Plane" + std::to_string(Enviroment::GetCompany()->NextPlaneId());
    _field->SetText(proposal.c_str());
    _field->SetSelection(0, _field->GetTextLength());
}

void PlaneNameForm::PaintContent()
{
    GfxResources::GetBitmap(GfxResources::BMP_INPUT_PANEL)->Draw(this, PANEL_X, PANEL_Y, SRCCOPY);
}

void PlaneNameForm::OnShow()
{
    SRForm::OnShow();
    _field->SetFocus();
    _field->SetSelection(0, _field->GetTextLength());
}

void PlaneNameForm::OnHide()
{
    _field->KillFocus();
    SRForm::OnHide();
}

bool PlaneNameForm::OnIdle()
{
    UpdateOk();
    return SRForm::OnIdle();
}

void PlaneNameForm::UpdateOk()
{
    GfxButton* ok = GetButton(OK);
    const bool named = _field->GetTextLength() > 0;
    if (named == ok->IsEnabled())
        return;
    if (named)
        ok->Enable();
    else
        ok->Disable();
    ok->Draw();
}

void PlaneNameForm::Buy()
{
    CentralFormChanger* navigation = Navigation();
    Company* company = Enviroment::GetCompany();
    const int32_t model = PlaneBuyingForm::ChosenModel();
    Route* route = navigation->GetCurrentRoute();
    // The market may have changed since the model was chosen (or the game
    // was resumed here): the market screen says what can be bought now.
    if (!FleetRules::IsOnSale(model) || !FleetRules::CanAfford(Enviroment::GetPlaneModel(model)._price) ||
        (route && !FleetRules::ModelReaches(model, *route)))
    {
        Back();
        return;
    }
    const Time now = TimeSimulation::GetCurrGameTime();
    Plane* plane = company->BuyPlane(model, _field->Text(), now);
    if (route)
    {
        if (navigation->IsRouteProvisional())
            company->AttachRoute(plane, navigation->TakeProvisionalRoute(), now);
        else if (Plane* flying = FleetRules::PlaneFlying(route))
            company->MoveRoute(flying, plane, now);
        navigation->ClearCurrentRoute();
    }
    navigation->SetCurrentPlane(plane);
    GoTo(Screens::PLANE_DETAILS);
}

void PlaneNameForm::OnButton(int32_t id)
{
    switch (id)
    {
    case OK:
        if (_field->GetTextLength() > 0)
            Buy();
        break;
    case CANCEL:
        Back();
        break;
    }
}
