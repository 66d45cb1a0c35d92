#include "Common/Gui/Forms/RepairPlaneCAForm.h"

#include "Common/Backend/FleetRules.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"

#include <cinttypes>
#include <cstdio>

namespace
{
constexpr ScreenButton BUTTONS[] = {
    {RepairPlaneCAForm::OK, "sr_Ok_button.bmp", 89, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Repair", SRForm::CENTRED, 53, {}, BUTTONS,
};

constexpr int32_t FIRST_LINE = 100;
constexpr int32_t LINE_STEP = 18;
} // namespace

RepairPlaneCAForm::RepairPlaneCAForm(int32_t number) : SRForm(number, LAYOUT) {}

std::vector<std::string> RepairPlaneCAForm::Lines(const Plane* plane)
{
    const int64_t price = plane ? plane->_repair_cost : 0;
    if (!FleetRules::CanAfford(price))
    {
        char amount[48];
        std::snprintf(amount, sizeof(amount), "$ %" PRId64, price);
        return {"You can't afford it!", "This costs:", amount};
    }
    return {"This model was withdrawn from", "market, and there are no required",
            "spare parts to repair it."};
}

void RepairPlaneCAForm::PaintContent()
{
    int32_t y = FIRST_LINE;
    for (const std::string& line : Lines(Navigation()->GetCurrentPlane()))
    {
        DrawCentred(GfxResources::FONT_TEXT, y, line.c_str());
        y += LINE_STEP;
    }
}

void RepairPlaneCAForm::OnButton(int32_t id)
{
    if (id == OK)
        GoTo(Screens::PLANE_DETAILS);
}
