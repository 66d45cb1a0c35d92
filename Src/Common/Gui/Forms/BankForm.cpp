#include "Common/Gui/Forms/BankForm.h"

#include "Common/Backend/BankActions.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "WinCE/Bitmap.h"
#include "WinCE/TickCount.h"

#include <cinttypes>
#include <cstdio>

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 170, "Monthly installment"},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Bank", 10, 7, TEXTS, {},
};

constexpr int32_t PANEL_X = 21;
constexpr int32_t PANEL_Y = 110;
constexpr int32_t PANEL_LABEL_X = PANEL_X + 12;
constexpr int32_t PANEL_VALUE_RIGHT = PANEL_X + 186;
constexpr int32_t CASH_Y = PANEL_Y + 5;
constexpr int32_t CREDIT_Y = PANEL_Y + 21;
constexpr int32_t RATE_Y = 188;
} // namespace

BankForm::BankForm(int32_t number) : SRForm(number, LAYOUT)
{
    _goPopup = AddGoPopup(Screens::BANK);
    static constexpr struct
    {
        const char* bitmap;
        int32_t screen;
    } ENTRIES[] = {
        {"sr_Popup2Change_button.bmp", Screens::CHANGE_RATE},
        {"sr_Popup2Repay_button.bmp", Screens::REPAY_CREDIT},
        {"sr_Popup2Obtain_button.bmp", Screens::OBTAIN_CREDIT},
    };
    _bankPopup = new PopupMenu(80, 238, "sr_Opts_button.bmp", this);
    for (const auto& entry : ENTRIES)
    {
        const int32_t screen = entry.screen;
        _bankPopup->AddItem(
            entry.bitmap, [this, screen](PopupItem*) { GoTo(screen); }, false);
    }
    Widgets().AddWidget(_bankPopup);
    UpdateEntries();
}

void BankForm::UpdateEntries()
{
    const Time now = TimeSimulation::GetCurrGameTime();
    _bankPopup->GetItem(CHANGE)->SetDisabled(!BankActions::MayChangeRate());
    _bankPopup->GetItem(REPAY)->SetDisabled(!BankActions::MayRepay());
    _bankPopup->GetItem(OBTAIN)->SetDisabled(!BankActions::MayObtain(now));
}

void BankForm::PaintContent()
{
    DrawPanel();
    char text[48];
    std::snprintf(text, sizeof(text), "rate (MIR): %% %" PRId64, Enviroment::GetCompany()->GetMIR());
    DrawCentred(GfxResources::FONT_TEXT, RATE_Y, text);
}

void BankForm::DrawPanel()
{
    const Company* company = Enviroment::GetCompany();
    _shownCash = company->GetCash();
    _shownCredit = company->GetRemainingCredit();
    GfxResources::GetBitmap(GfxResources::BMP_PANEL)->Draw(this, PANEL_X, PANEL_Y, SRCCOPY);
    DrawText(GfxResources::FONT_TEXT, PANEL_LABEL_X, CASH_Y, "Cash:");
    DrawText(GfxResources::FONT_TEXT, PANEL_LABEL_X, CREDIT_Y, "Credit:");
    char text[32];
    std::snprintf(text, sizeof(text), "%" PRId64, _shownCash);
    DrawRightAligned(GfxResources::FONT_TEXT, PANEL_VALUE_RIGHT, CASH_Y, text);
    std::snprintf(text, sizeof(text), "%" PRId64, _shownCredit);
    DrawRightAligned(GfxResources::FONT_TEXT, PANEL_VALUE_RIGHT, CREDIT_Y, text);
}

bool BankForm::OnIdle()
{
    UpdateEntries();
    const uint32_t now = GetTickCount();
    const Company* company = Enviroment::GetCompany();
    const bool changed = company->GetCash() != _shownCash || company->GetRemainingCredit() != _shownCredit;
    // The panel lies under the open pop-ups; it waits until they close.
    if (changed && GameState::IsSimulationRunning() && !_goPopup->IsOpen() && !_bankPopup->IsOpen() &&
        now - _refreshTick >= REFRESH)
    {
        _refreshTick = now;
        DrawPanel();
    }
    return SRForm::OnIdle();
}
