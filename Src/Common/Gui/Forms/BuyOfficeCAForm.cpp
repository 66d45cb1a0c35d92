#include "Common/Gui/Forms/BuyOfficeCAForm.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Notices.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"

#include <cinttypes>
#include <cstdio>

namespace
{
using enum BuyOfficeCAForm::Button;

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 85, "You can't afford it!"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 115, "This costs:"},
};

constexpr ScreenButton BUTTONS[] = {
    {OK, "sr_Ok_button.bmp", 89, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Buy office", SRForm::CENTRED, 53, TEXTS, BUTTONS,
};

constexpr int32_t PRICE_Y = 135;
} // namespace

BuyOfficeCAForm::BuyOfficeCAForm(int32_t number) : SRForm(number, LAYOUT) {}

void BuyOfficeCAForm::OnButton(int32_t id)
{
    if (id == OK)
        GoTo(Screens::AIRPORT_DETAILS);
}

void BuyOfficeCAForm::PaintContent()
{
    char text[40];
    std::snprintf(text, sizeof(text), "$ %" PRId64,
                  AirportDetails::OfficePrice(Navigation()->GetCurrentAirport()));
    DrawCentred(GfxResources::FONT_YELLOW, PRICE_Y, text);
}
