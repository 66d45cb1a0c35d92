// BankForm: screen 4, "Bank".
//
// Shows the company's cash and remaining credit on a panel and the monthly
// installment rate, refreshed while time runs. The "Go" pop-up reaches the
// other list screens; the options pop-up holds the bank's operations:
// Change the rate (10) and Repay (9) while a credit is held, Repay only
// while the cash is positive, and Obtain (8) while no credit is held and
// the bank offers one. The entries follow the worth and the cash on every
// idle step.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class PopupMenu;

class BankForm : public SRForm
{
public:
    // The bank pop-up's entries, bottom first.
    enum Entry
    {
        CHANGE,
        REPAY,
        OBTAIN,
    };
    static constexpr uint32_t REFRESH = 500;

    explicit BankForm(int32_t number);

    bool OnIdle() override;

    PopupMenu* GetBankPopup() const { return _bankPopup; }

protected:
    void PaintContent() override;

private:
    // Enables the pop-up's entries that can act now.
    void UpdateEntries();
    void DrawPanel();

    PopupMenu* _goPopup;
    PopupMenu* _bankPopup;
    uint32_t _refreshTick = 0;
    int64_t _shownCash = 0;
    int64_t _shownCredit = 0;
};
