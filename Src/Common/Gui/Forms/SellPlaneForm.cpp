#include "Common/Gui/Forms/SellPlaneForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/FleetRules.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/ContractWarning.h"

#include <cinttypes>
#include <cstdio>

namespace
{
constexpr ScreenButton BUTTONS[] = {
    {SellPlaneForm::YES, "sr_Yes_button.bmp", 35, 189},
    {SellPlaneForm::NO, "sr_No_button.bmp", 144, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Sell", SRForm::CENTRED, 53, {}, BUTTONS,
};

constexpr int32_t FIRST_LINE = 84;
constexpr int32_t LINE_STEP = 18;
} // namespace

SellPlaneForm::SellPlaneForm(int32_t number) : SRForm(number, LAYOUT) {}

std::vector<std::string> SellPlaneForm::Lines(const Plane* plane)
{
    if (!plane)
        return {};
    char amount[48];
    std::snprintf(amount, sizeof(amount), "$ %" PRId64, plane->Value(TimeSimulation::GetCurrGameTime()));
    std::vector<std::string> lines = {"Plane value is:", amount};
    if (plane->HasRoute())
    {
        lines.emplace_back("Selling the plane entails");
        lines.emplace_back("route closure.");
        lines.emplace_back("Proceed?");
    }
    return lines;
}

void SellPlaneForm::PaintContent()
{
    int32_t y = FIRST_LINE;
    for (const std::string& line : Lines(Navigation()->GetCurrentPlane()))
    {
        DrawCentred(GfxResources::FONT_TEXT, y, line.c_str());
        y += LINE_STEP;
    }
}

void SellPlaneForm::OnButton(int32_t id)
{
    Plane* plane = Navigation()->GetCurrentPlane();
    if (id != YES || !plane)
    {
        GoTo(plane ? Screens::PLANE_DETAILS : Screens::PLANES);
        return;
    }
    const int32_t warning = FleetRules::WarningBefore(Screens::SELL_PLANE, *plane);
    if (warning != Screens::SELL_PLANE)
    {
        ContractWarning::PrepareNotice(warning, plane);
        GoTo(warning);
        return;
    }
    Enviroment::GetCompany()->SellPlane(plane, TimeSimulation::GetCurrGameTime());
    GoTo(Screens::PLANES);
}
