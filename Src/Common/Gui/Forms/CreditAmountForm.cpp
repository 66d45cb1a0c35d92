#include "Common/Gui/Forms/CreditAmountForm.h"

#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "Wkr/Gui/GfxButton.h"

#include <cinttypes>
#include <cstdio>

namespace
{
using enum CreditAmountForm::Button;

constexpr ScreenText OBTAIN_TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 75, "Interests are 10% per year."},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 93, "How much money do you want?"},
};
constexpr ScreenText REPAY_TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 80, "How much do you want"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 98, "to repay?"},
};

constexpr ScreenButton BUTTONS[] = {
    {DOWN, "sr_ScrollDown_button.bmp", 24, 141},
    {UP, "sr_ScrollUp_button.bmp", 198, 141},
    {OK, "sr_Ok_button.bmp", 43, 189},
    {CANCEL, "sr_Cancel_button.bmp", 136, 189},
};

constexpr ScreenLayout OBTAIN_LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Obtain Credit", SRForm::CENTRED, 53, OBTAIN_TEXTS, BUTTONS,
};
constexpr ScreenLayout REPAY_LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Repay Credit", SRForm::CENTRED, 53, REPAY_TEXTS, BUTTONS,
};

constexpr int32_t MAX_Y = 111;
constexpr int32_t AMOUNT_X = 49;
constexpr int32_t AMOUNT_Y = 140;
constexpr int32_t AMOUNT_WIDTH = 142;
constexpr int32_t AMOUNT_TEXT_Y = AMOUNT_Y + 3;

const ScreenLayout& LayoutOf(int32_t number)
{
    ASSERT((number == Screens::OBTAIN_CREDIT || number == Screens::REPAY_CREDIT) &&
           "credit amounts are 8 and 9");
    return number == Screens::OBTAIN_CREDIT ? OBTAIN_LAYOUT : REPAY_LAYOUT;
}
} // namespace

CreditAmountForm::CreditAmountForm(int32_t number) : SRForm(number, LayoutOf(number))
{
    _range = IsObtain() ? BankActions::CreditAmounts(TimeSimulation::GetCurrGameTime())
                        : BankActions::RepayAmounts();
    _amount = _range.high;
}

bool CreditAmountForm::IsObtain() const
{
    return GetNumber() == Screens::OBTAIN_CREDIT;
}

void CreditAmountForm::OnButton(int32_t id)
{
    switch (id)
    {
    case UP:
        _amount = _range.Raise(_amount);
        ShowAmount();
        break;
    case DOWN:
        _amount = _range.Lower(_amount);
        ShowAmount();
        break;
    case OK:
        if (IsObtain())
        {
            if (BankActions::ObtainCredit(_amount, TimeSimulation::GetCurrGameTime()))
            {
                GoTo(Screens::CHANGE_RATE);
                break;
            }
        }
        else
            BankActions::RepayCredit(_amount);
        GoTo(Screens::BANK);
        break;
    case CANCEL:
        GoTo(Screens::BANK);
        break;
    }
}

void CreditAmountForm::PaintContent()
{
    if (IsObtain())
    {
        char text[40];
        std::snprintf(text, sizeof(text), "max: $ %" PRId64, _range.high);
        DrawCentred(GfxResources::FONT_TEXT, MAX_Y, text);
    }
    ShowAmount();
}

void CreditAmountForm::ShowAmount()
{
    SetButtonEnabled(UP, _range.CanRaise(_amount));
    SetButtonEnabled(DOWN, _range.CanLower(_amount));
    SetButtonEnabled(OK, _amount > 0);
    GfxResources::GetBitmap(GfxResources::BMP_AMOUNT_PANEL)->Draw(this, AMOUNT_X, AMOUNT_Y, SRCCOPY);
    char text[40];
    std::snprintf(text, sizeof(text), "$ %" PRId64, _amount);
    SetFont(GfxResources::GetFont(GfxResources::FONT_YELLOW), false);
    DrawString(AMOUNT_X + (AMOUNT_WIDTH - TextWidth(text)) / 2, AMOUNT_TEXT_Y, text, ROP_DEFAULT);
}
