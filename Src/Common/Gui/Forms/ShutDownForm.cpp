#include "Common/Gui/Forms/ShutDownForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/FleetRules.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/ContractWarning.h"

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 112, "Are you sure, you want to"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 132, "shut down this route?"},
};

constexpr ScreenButton BUTTONS[] = {
    {ShutDownForm::YES, "sr_Yes_button.bmp", 35, 189},
    {ShutDownForm::NO, "sr_No_button.bmp", 144, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Shut down", SRForm::CENTRED, 53, TEXTS, BUTTONS,
};
} // namespace

ShutDownForm::ShutDownForm(int32_t number) : SRForm(number, LAYOUT) {}

void ShutDownForm::OnButton(int32_t id)
{
    Plane* plane = Navigation()->GetCurrentPlane();
    if (id == YES && plane && plane->HasRoute())
    {
        const int32_t warning = FleetRules::WarningBefore(Screens::SHUT_DOWN, *plane);
        if (warning != Screens::SHUT_DOWN)
        {
            ContractWarning::PrepareNotice(warning, plane);
            GoTo(warning);
            return;
        }
        Enviroment::GetCompany()->CloseRoute(plane, TimeSimulation::GetCurrGameTime());
    }
    GoTo(Screens::PLANE_DETAILS);
}
