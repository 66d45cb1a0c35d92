#include "Common/Gui/Forms/RiskInfoForm.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Notices.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"

namespace
{
using enum RiskInfoForm::Button;

constexpr ScreenButton BUTTONS[] = {
    {OK, "sr_Ok_button.bmp", 89, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Risk info", 10, 7, {}, BUTTONS,
};

constexpr int32_t HEADING_Y = 55;
constexpr int32_t NOTICE_Y = 60;
// The three risks: the label's y, then the level's.
constexpr int32_t LABEL_Y[3] = {88, 135, 182};
constexpr int32_t LEVEL_Y[3] = {107, 154, 201};
} // namespace

RiskInfoForm::RiskInfoForm(int32_t number) : SRForm(number, LAYOUT) {}

std::vector<RiskInfoForm::Line> RiskInfoForm::Lines(const AirportDetails* details)
{
    if (!details)
        return {{GfxResources::FONT_TEXT, NOTICE_Y, "Make research to get risk info."}};
    static constexpr struct
    {
        const char* label;
        int32_t kind;
    } RISKS[] = {
        {"Airport's staff strike:", AirportDetails::RISK_STRIKE},
        {"Extremely bad weather:", AirportDetails::RISK_WEATHER},
        {"Smuggling offers:", AirportDetails::RISK_SMUGGLING},
    };
    std::vector<Line> lines = {{GfxResources::FONT_MENU, HEADING_Y, "Unpredictable events"}};
    for (int32_t i = 0; i < 3; ++i)
    {
        lines.push_back({GfxResources::FONT_TEXT, LABEL_Y[i], RISKS[i].label});
        lines.push_back({GfxResources::FONT_YELLOW, LEVEL_Y[i],
                         AirportDetails::RiskName(details->RiskCategory(RISKS[i].kind))});
    }
    return lines;
}

void RiskInfoForm::OnButton(int32_t id)
{
    if (id == OK)
        GoTo(Screens::AIRPORT_DETAILS);
}

void RiskInfoForm::PaintContent()
{
    const AirportDetails* details = Enviroment::GetCompany()->FindDetails(Navigation()->GetCurrentAirport());
    for (const Line& line : Lines(details))
        DrawCentred(line.font, line.y, line.text.c_str());
}
