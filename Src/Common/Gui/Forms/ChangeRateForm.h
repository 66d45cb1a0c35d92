// ChangeRateForm: screens 10 and 11, "Change MIR".
//
// 10 asks for the monthly installment rate: it starts at the company's
// rate and the up and down buttons move it from 1 % up to what the cash
// can pay (cash x 100 / initial credit, at most 30 %), showing the monthly
// installment it gives. The bank opens it after a credit is taken (8), the
// options pop-up of the bank, and the monthly installment when the cash
// does not cover the installment; then the installment falls due again as
// soon as the rate is set. 11 tells that not even the minimal rate could be
// paid and shows the fine of 4 % of the initial credit. OK returns to the
// bank when the screen came from 8, otherwise to the screen before.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class ChangeRateForm : public SRForm
{
public:
    // The buttons of the layout.
    enum Button
    {
        OK,
        UP,
        DOWN,
    };

    explicit ChangeRateForm(int32_t number);

    int64_t GetRate() const { return _rate; }

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    void ShowRate();

    int64_t _rate;
};
