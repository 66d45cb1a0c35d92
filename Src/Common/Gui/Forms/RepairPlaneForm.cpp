#include "Common/Gui/Forms/RepairPlaneForm.h"

#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"

#include <cinttypes>
#include <cstdio>

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 92, "It will cost:"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 136, "Are you sure you want to"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 152, "repair this plane?"},
};

constexpr ScreenButton BUTTONS[] = {
    {RepairPlaneForm::YES, "sr_Yes_button.bmp", 35, 189},
    {RepairPlaneForm::NO, "sr_No_button.bmp", 144, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Repair", SRForm::CENTRED, 53, TEXTS, BUTTONS,
};
} // namespace

RepairPlaneForm::RepairPlaneForm(int32_t number) : SRForm(number, LAYOUT) {}

void RepairPlaneForm::PaintContent()
{
    const Plane* plane = Navigation()->GetCurrentPlane();
    char text[48];
    std::snprintf(text, sizeof(text), "$ %" PRId64, plane ? plane->_repair_cost : 0);
    DrawCentred(GfxResources::FONT_YELLOW, 110, text);
}

void RepairPlaneForm::OnButton(int32_t id)
{
    // The repair checks again what the details screen checked: a plane
    // repaired or sold meanwhile is left as it is.
    if (id == YES)
        NoticeActions::RepairPlane(Navigation()->GetCurrentPlane(), TimeSimulation::GetCurrGameTime());
    GoTo(Screens::PLANE_DETAILS);
}
