#include "Common/Gui/Forms/AdvertisingForm.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxRadioButton.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Wkr/Gui/Callback.h"
#include "Wkr/Gui/GfxButton.h"

#include <cinttypes>
#include <cstdio>

namespace
{
using enum AdvertisingForm::Button;

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 78, "How big campaign do you want?"},
};

constexpr ScreenButton BUTTONS[] = {
    {OK, "sr_Ok_button.bmp", 43, 189},
    {CANCEL, "sr_Cancel_button.bmp", 136, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Advertising", SRForm::CENTRED, 53, TEXTS, BUTTONS,
};

// The three rows: label, radio button and price, one under the other.
constexpr const char* LABELS[3] = {"small:", "medium:", "large:"};
constexpr int32_t LABEL_X = 30;
constexpr int16_t RADIO_X = 96;
constexpr int32_t PRICE_X = 120;
constexpr int32_t FIRST_ROW_Y = 104;
constexpr int32_t ROW_STEP = 24;

class ChooseSizeCallback : public Callback
{
public:
    ChooseSizeCallback(AdvertisingForm* form, int32_t size) : _form(form), _size(size) {}
    void Invoke() override { _form->ChooseSize(_size); }

private:
    AdvertisingForm* _form;
    int32_t _size;
};
} // namespace

AdvertisingForm::AdvertisingForm(int32_t number) : SRForm(number, LAYOUT)
{
    const Company* company = Enviroment::GetCompany();
    const int32_t airport = Navigation()->GetCurrentAirport();
    const char* radio = GfxResources::BitmapName(GfxResources::BMP_RADIO_BUTTON);
    for (int32_t i = 0; i < 3; ++i)
    {
        auto* button = new GfxRadioButton(&_sizes, false, radio, RADIO_X,
                                          static_cast<int16_t>(FIRST_ROW_Y + ROW_STEP * i), this,
                                          new ChooseSizeCallback(this, SIZES[i]));
        if (!company->MayAdvertise(airport) || !company->CanAffordCampaign(airport, SIZES[i]))
            button->Disable();
        Widgets().AddWidget(button);
        _buttons[i] = button;
    }
    GetButton(OK)->Disable();
}

void AdvertisingForm::ChooseSize(int32_t size)
{
    _chosen = size;
    SetButtonEnabled(OK, true);
}

void AdvertisingForm::OnButton(int32_t id)
{
    if (id == OK && _chosen != 0)
    {
        Company* company = Enviroment::GetCompany();
        const int32_t airport = Navigation()->GetCurrentAirport();
        if (company->MayAdvertise(airport) && company->CanAffordCampaign(airport, _chosen))
            company->Advertise(airport, _chosen, TimeSimulation::GetCurrGameTime());
    }
    GoTo(Screens::AIRPORT_DETAILS);
}

void AdvertisingForm::PaintContent()
{
    const int32_t airport = Navigation()->GetCurrentAirport();
    for (int32_t i = 0; i < 3; ++i)
    {
        const int32_t y = FIRST_ROW_Y + ROW_STEP * i;
        DrawText(GfxResources::FONT_TEXT, LABEL_X, y, LABELS[i]);
        char price[40];
        std::snprintf(price, sizeof(price), "$ %" PRId64, AirportDetails::AdvertisingCost(airport, SIZES[i]));
        DrawText(GfxResources::FONT_YELLOW, PRICE_X, y, price);
    }
}
