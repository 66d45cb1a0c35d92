#include "Common/Gui/Forms/RiskInfoForm.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Notices.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"

namespace
{
enum Button
{
    OK,
};

constexpr ScreenButton BUTTONS[] = {
    {OK, "sr_Ok_button.bmp", 89, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Risk info", 10, 7, {}, BUTTONS,
};

// The three risks the screen names: label, its y, the kind and the y of
// its level.
constexpr struct
{
    const char* label;
    int32_t labelY;
    int32_t kind;
    int32_t levelY;
} RISKS[] = {
    {"Airport's staff strike:", 88, AirportDetails::RISK_STRIKE, 107},
    {"Extremely bad weather:", 135, AirportDetails::RISK_WEATHER, 154},
    {"Smuggling offers:", 182, AirportDetails::RISK_SMUGGLING, 201},
};
constexpr int32_t HEADING_Y = 55;
constexpr int32_t NOTICE_Y = 60;
} // namespace

RiskInfoForm::RiskInfoForm(int32_t number) : SRForm(number, LAYOUT) {}

void RiskInfoForm::OnButton(int32_t id)
{
    if (id == OK)
        GoTo(Screens::AIRPORT_DETAILS);
}

void RiskInfoForm::PaintContent()
{
    const AirportDetails* details = Enviroment::GetCompany()->FindDetails(Navigation()->GetCurrentAirport());
    if (!details)
    {
        DrawCentred(GfxResources::FONT_TEXT, NOTICE_Y, "Make research to get risk info.");
        return;
    }
    DrawCentred(GfxResources::FONT_MENU, HEADING_Y, "Unpredictable events");
    for (const auto& risk : RISKS)
    {
        DrawCentred(GfxResources::FONT_TEXT, risk.labelY, risk.label);
        DrawCentred(GfxResources::FONT_YELLOW, risk.levelY, AirportDetails::RiskName(details->RiskCategory(risk.kind)));
    }
}
