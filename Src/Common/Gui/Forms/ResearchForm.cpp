#include "Common/Gui/Forms/ResearchForm.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "WinCE/Assert.h"

#include <cinttypes>
#include <cstdio>

namespace
{
using enum ResearchForm::Button;

constexpr ScreenText ASK_TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 90, "It will cost:"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 140, "Proceed?"},
};
constexpr ScreenText CANNOT_AFFORD_TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 85, "You can't afford it!"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 115, "This costs:"},
};
constexpr ScreenText NOT_NEEDED_TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 85, "You don't need to make research."},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 115, "You have quite fresh"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 133, "information"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 151, "about this airport."},
};

constexpr ScreenButton YES_NO[] = {
    {YES, "sr_Yes_button.bmp", 43, 189},
    {NO, "sr_No_button.bmp", 136, 189},
};
constexpr ScreenButton OK_ONLY[] = {
    {OK, "sr_Ok_button.bmp", 89, 189},
};

// By number, from 28.
constexpr ScreenLayout LAYOUTS[] = {
    {ScreenLayout::Top::FRAMED, false, false, "Research", SRForm::CENTRED, 53, ASK_TEXTS, YES_NO},
    {ScreenLayout::Top::FRAMED, false, false, "Research", SRForm::CENTRED, 53, CANNOT_AFFORD_TEXTS, OK_ONLY},
    {ScreenLayout::Top::FRAMED, false, false, "Research", SRForm::CENTRED, 53, NOT_NEEDED_TEXTS, OK_ONLY},
};
constexpr int32_t ASK_PRICE_Y = 110;
constexpr int32_t CANNOT_AFFORD_PRICE_Y = 135;

const ScreenLayout& LayoutOf(int32_t number)
{
    ASSERT(number >= Screens::RESEARCH && number <= Screens::RESEARCH_NOT_NEEDED && "research is 28 to 30");
    return LAYOUTS[number - Screens::RESEARCH];
}
} // namespace

ResearchForm::ResearchForm(int32_t number) : SRForm(number, LayoutOf(number)) {}

void ResearchForm::OnButton(int32_t id)
{
    if (id == YES)
    {
        const Time now = TimeSimulation::GetCurrGameTime();
        Company* company = Enviroment::GetCompany();
        const int32_t airport = Navigation()->GetCurrentAirport();
        // The time that ran before this screen may have changed the cash.
        if (company->ResearchChoiceFor(airport, now) == Company::ResearchChoice::ASK)
            Navigation()->SetCurrentDetails(company->Research(airport, false, now));
    }
    GoTo(Screens::AIRPORT_DETAILS);
}

void ResearchForm::PaintContent()
{
    if (GetNumber() == Screens::RESEARCH_NOT_NEEDED)
        return;
    char text[40];
    std::snprintf(text, sizeof(text), "$ %" PRId64,
                  AirportDetails::ResearchCost(Navigation()->GetCurrentAirport()));
    DrawCentred(GfxResources::FONT_YELLOW,
                GetNumber() == Screens::RESEARCH ? ASK_PRICE_Y : CANNOT_AFFORD_PRICE_Y, text);
}
