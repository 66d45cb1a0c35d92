#include "Common/Gui/Forms/BuyOfficeForm.h"

#include "Common/Backend/AirportDetails.h"
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
using enum BuyOfficeForm::Button;

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 85, "It will cost:"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 130, "Are you sure you want to"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 148, "buy it?"},
};

constexpr ScreenButton BUTTONS[] = {
    {YES, "sr_Yes_button.bmp", 43, 189},
    {NO, "sr_No_button.bmp", 136, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Buy office", SRForm::CENTRED, 53, TEXTS, BUTTONS,
};

constexpr int32_t PRICE_Y = 105;
} // namespace

BuyOfficeForm::BuyOfficeForm(int32_t number) : SRForm(number, LAYOUT) {}

void BuyOfficeForm::OnButton(int32_t id)
{
    if (id == YES)
    {
        Company* company = Enviroment::GetCompany();
        const int32_t airport = Navigation()->GetCurrentAirport();
        if (!company->HasOffice(airport) && company->CanAffordOffice(airport))
        {
            company->BuyOffice(airport, AirportDetails::OfficePrice(airport),
                               TimeSimulation::GetCurrGameTime());
            Navigation()->SetCurrentDetails(company->FindDetails(airport));
        }
    }
    GoTo(Screens::AIRPORT_DETAILS);
}

void BuyOfficeForm::PaintContent()
{
    char text[40];
    std::snprintf(text, sizeof(text), "$ %" PRId64,
                  AirportDetails::OfficePrice(Navigation()->GetCurrentAirport()));
    DrawCentred(GfxResources::FONT_YELLOW, PRICE_Y, text);
}
