// CreditAmountForm: screens 8, "Obtain Credit", and 9, "Repay Credit".
//
// The player steps an amount with the up and down buttons. On 8 it starts
// at the largest credit the bank offers (shown as "max:") and moves in
// hundredths of it, never down to a thousand or less; OK takes the credit,
// puts its first installment a month ahead and asks for the installment
// rate (10). On 9 it starts at the most the credit and the cash allow and
// moves in hundredths of that; OK repays it (repaying all cancels the
// pending installments) and returns to the bank (4). Cancel returns to the
// bank on both; OK is disabled while the amount is nothing.
#pragma once

#include "Common/Backend/BankActions.h"
#include "Common/Gui/Forms/SRForm.h"

class CreditAmountForm : public SRForm
{
public:
    // The buttons of the layout.
    enum Button
    {
        OK,
        CANCEL,
        UP,
        DOWN,
    };

    explicit CreditAmountForm(int32_t number);

    int64_t GetAmount() const { return _amount; }
    const BankActions::AmountRange& GetRange() const { return _range; }

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    bool IsObtain() const;
    // Draws the amount and sets the buttons that can act on it.
    void ShowAmount();

    BankActions::AmountRange _range;
    int64_t _amount;
};
