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

// The field and its panel; the proposal is made when the screen is built.
constexpr NameEntryForm::Field FIELD = {26, 139, 20, 131, PlaneNameForm::OK, nullptr};

NameEntryForm::Field WithProposal(const std::string& proposal)
{
    NameEntryForm::Field field = FIELD;
    field.proposal = proposal.c_str();
    return field;
}
} // namespace

PlaneNameForm::PlaneNameForm(int32_t number)
    : NameEntryForm(number, LAYOUT,
                    WithProposal("Plane" + std::to_string(Enviroment::GetCompany()->NextPlaneId())))
{
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
    Plane* plane = company->BuyPlane(model, Name(), now);
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
        if (!Name().empty())
            Buy();
        break;
    case CANCEL:
        Back();
        break;
    }
}
