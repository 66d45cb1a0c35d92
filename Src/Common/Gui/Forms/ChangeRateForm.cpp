#include "Common/Gui/Forms/ChangeRateForm.h"

#include "Common/Backend/BankActions.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "Wkr/Gui/GfxButton.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace
{
using enum ChangeRateForm::Button;

constexpr ScreenText RATE_TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 78, "How high should be the monthly"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 96, "installment rate (min. 1%)?"},
};
constexpr ScreenText FINE_TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 74, "You can't afford to repay"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 90, "at least minimal rate (1%)."},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 110, "You will be fined 4%"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 126, "of initial credit value."},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 146, "Total fine amount:"},
};

constexpr ScreenButton RATE_BUTTONS[] = {
    {DOWN, "sr_ScrollDown_button.bmp", 62, 121},
    {UP, "sr_ScrollUp_button.bmp", 160, 121},
    {OK, "sr_Ok_button.bmp", 89, 189},
};
constexpr ScreenButton FINE_BUTTONS[] = {
    {OK, "sr_Ok_button.bmp", 89, 189},
};

constexpr ScreenLayout RATE_LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Change MIR", SRForm::CENTRED, 53, RATE_TEXTS, RATE_BUTTONS,
};
constexpr ScreenLayout FINE_LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Change MIR", SRForm::CENTRED, 53, FINE_TEXTS, FINE_BUTTONS,
};

constexpr int32_t RATE_X = 90;
constexpr int32_t RATE_Y = 120;
constexpr int32_t RATE_WIDTH = 60;
constexpr int32_t INSTALLMENT_X = 49;
constexpr int32_t INSTALLMENT_Y = 150;
constexpr int32_t INSTALLMENT_WIDTH = 142;
constexpr int32_t FINE_Y = 164;

const ScreenLayout& LayoutOf(int32_t number)
{
    ASSERT((number == Screens::CHANGE_RATE || number == Screens::CREDIT_FINE) &&
           "the rate screens are 10 and 11");
    return number == Screens::CHANGE_RATE ? RATE_LAYOUT : FINE_LAYOUT;
}
} // namespace

ChangeRateForm::ChangeRateForm(int32_t number)
    : SRForm(number, LayoutOf(number)), _rate(Enviroment::GetCompany()->GetMIR())
{
}

void ChangeRateForm::OnButton(int32_t id)
{
    const int64_t highest = Enviroment::GetCompany()->HighestRate();
    switch (id)
    {
    case UP:
        _rate = std::min(_rate + 1, highest);
        ShowRate();
        break;
    case DOWN:
        _rate = std::max<int64_t>(_rate - 1, 1);
        ShowRate();
        break;
    case OK:
        if (GetNumber() == Screens::CHANGE_RATE)
            BankActions::SetRate(std::clamp<int64_t>(_rate, 1, highest), TimeSimulation::GetCurrGameTime());
        if (Navigation()->PreviousForm() == Screens::OBTAIN_CREDIT)
            GoTo(Screens::BANK);
        else
            Back();
        break;
    }
}

void ChangeRateForm::PaintContent()
{
    if (GetNumber() == Screens::CHANGE_RATE)
    {
        ShowRate();
        return;
    }
    char text[32];
    std::snprintf(text, sizeof(text), "%" PRId64, Enviroment::GetCompany()->FineAmount());
    DrawCentred(GfxResources::FONT_YELLOW, FINE_Y, text);
}

void ChangeRateForm::ShowRate()
{
    const Company* company = Enviroment::GetCompany();
    const int64_t highest = company->HighestRate();
    // The cash may have fallen since the rate was set: the rate shown stays
    // within what it pays.
    _rate = std::clamp<int64_t>(_rate, 1, highest);
    SetButtonEnabled(UP, _rate < highest);
    SetButtonEnabled(DOWN, _rate > 1);
    char text[40];
    SetFont(GfxResources::GetFont(GfxResources::FONT_YELLOW), false);
    GfxResources::GetBitmap(GfxResources::BMP_PROCENT_PANEL1)->Draw(this, RATE_X, RATE_Y, SRCCOPY);
    std::snprintf(text, sizeof(text), "%% %" PRId64, _rate);
    DrawString(RATE_X + (RATE_WIDTH - TextWidth(text)) / 2, RATE_Y + 3, text, ROP_DEFAULT);
    GfxResources::GetBitmap(GfxResources::BMP_AMOUNT_PANEL)
        ->Draw(this, INSTALLMENT_X, INSTALLMENT_Y, SRCCOPY);
    std::snprintf(text, sizeof(text), "$ %" PRId64, company->GetInitialCredit() * _rate / 100);
    DrawString(INSTALLMENT_X + (INSTALLMENT_WIDTH - TextWidth(text)) / 2, INSTALLMENT_Y + 3, text,
               ROP_DEFAULT);
}
