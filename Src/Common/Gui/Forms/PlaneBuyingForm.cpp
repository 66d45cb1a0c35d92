#include "Common/Gui/Forms/PlaneBuyingForm.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/FleetRules.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/DistanceUnits.h"
#include "Wkr/Gui/GfxButton.h"

#include <cinttypes>
#include <cstdio>

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, 24, 210, "Choose model:"},
};

constexpr ScreenButton BUTTONS[] = {
    {PlaneBuyingForm::PREVIOUS, "sr_PrevCont_button.bmp", 132, 204},
    {PlaneBuyingForm::NEXT, "sr_NextCont_button.bmp", 181, 204},
    {PlaneBuyingForm::CANCEL, "sr_Cancel_button.bmp", 13, 238},
    {PlaneBuyingForm::BUY, "sr_Buy_button.bmp", 167, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Plane buying", 10, 7, TEXTS, BUTTONS,
};

constexpr int32_t DETAILS_X = 24;
constexpr int32_t DETAILS_Y = 48;
constexpr int32_t DETAILS_STEP = 20;

int32_t s_chosenModel = -1;
} // namespace

PlaneBuyingForm::PlaneBuyingForm(int32_t number) : SRForm(number, LAYOUT)
{
    // Back from the name screen the same model is shown again.
    _model = FleetRules::IsOnSale(s_chosenModel) ? s_chosenModel : FleetRules::NextModelOnSale(-1, 1);
    s_chosenModel = _model;
    if (_model < 0)
    {
        GetButton(PREVIOUS)->Disable();
        GetButton(NEXT)->Disable();
    }
    UpdateBuy();
}

int32_t PlaneBuyingForm::ChosenModel()
{
    return s_chosenModel;
}

std::vector<std::string> PlaneBuyingForm::DetailLines(int32_t model)
{
    std::vector<std::string> lines;
    if (model < 0 || model >= Enviroment::GetModelCount())
        return lines;
    const PlaneModel info = Enviroment::GetPlaneModel(model);
    char text[96];
    std::snprintf(text, sizeof(text), "Model: %s", info._name);
    lines.emplace_back(text);
    std::snprintf(text, sizeof(text), "Price: $%" PRId64, info._price);
    lines.emplace_back(text);
    lines.push_back(DistanceUnits::SpeedText(info._speed));
    lines.push_back(DistanceUnits::RangeText(info._range));
    std::snprintf(text, sizeof(text), "Capacity: %d", info._capacity);
    lines.emplace_back(text);
    lines.emplace_back("Approx. maintenance cost:");
    std::snprintf(text, sizeof(text), "$ %" PRId64 " / month", Plane::MaintenanceEstimate(model));
    lines.emplace_back(text);
    return lines;
}

void PlaneBuyingForm::PaintContent()
{
    int32_t y = DETAILS_Y;
    for (const std::string& line : DetailLines(_model))
    {
        DrawText(GfxResources::FONT_TEXT, DETAILS_X, y, line.c_str());
        y += DETAILS_STEP;
    }
}

bool PlaneBuyingForm::MayBuy() const
{
    if (!FleetRules::IsOnSale(_model) || !FleetRules::CanAfford(Enviroment::GetPlaneModel(_model)._price))
        return false;
    // A plane bought to take over a route must reach its destination.
    const Route* route = Navigation()->GetCurrentRoute();
    return !route || FleetRules::ModelReaches(_model, *route);
}

void PlaneBuyingForm::UpdateBuy()
{
    SetButtonEnabled(BUY, MayBuy());
}

bool PlaneBuyingForm::OnIdle()
{
    // Cash changes while time runs, and models leave the market.
    UpdateBuy();
    return SRForm::OnIdle();
}

void PlaneBuyingForm::Step(int32_t step)
{
    const int32_t next = FleetRules::NextModelOnSale(_model, step);
    if (next < 0 || next == _model)
        return;
    _model = next;
    s_chosenModel = _model;
    UpdateBuy();
    Invalidate();
}

void PlaneBuyingForm::OnButton(int32_t id)
{
    switch (id)
    {
    case PREVIOUS:
        Step(-1);
        break;
    case NEXT:
        Step(1);
        break;
    case BUY:
        if (!MayBuy())
            return;
        s_chosenModel = _model;
        GoTo(Screens::PLANE_NAME);
        break;
    case CANCEL:
        if (Navigation()->HasCurrentRoute())
            Back();
        else
            GoTo(Screens::PLANES);
        break;
    }
}
