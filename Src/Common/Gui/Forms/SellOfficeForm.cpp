#include "Common/Gui/Forms/SellOfficeForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"

#include <cinttypes>
#include <cstdio>

namespace
{
using enum SellOfficeForm::Button;

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 85, "Office value is:"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 130, "Are you sure you want to"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 148, "sell it?"},
};

constexpr ScreenButton BUTTONS[] = {
    {YES, "sr_Yes_button.bmp", 43, 189},
    {NO, "sr_No_button.bmp", 136, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Sell office", SRForm::CENTRED, 53, TEXTS, BUTTONS,
};

constexpr int32_t VALUE_Y = 105;
} // namespace

SellOfficeForm::SellOfficeForm(int32_t number) : SRForm(number, LAYOUT) {}

void SellOfficeForm::OnButton(int32_t id)
{
    if (id == YES)
    {
        Company* company = Enviroment::GetCompany();
        const int32_t airport = Navigation()->GetCurrentAirport();
        if (company->HasOffice(airport))
            company->SellOffice(airport, Company::OfficeSaleValue(airport),
                                TimeSimulation::GetCurrGameTime());
    }
    GoTo(Screens::AIRPORT_DETAILS);
}

void SellOfficeForm::PaintContent()
{
    char text[40];
    std::snprintf(text, sizeof(text), "$ %" PRId64,
                  Company::OfficeSaleValue(Navigation()->GetCurrentAirport()));
    DrawCentred(GfxResources::FONT_YELLOW, VALUE_Y, text);
}
