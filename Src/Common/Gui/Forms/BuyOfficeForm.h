// BuyOfficeForm: screen 32, "Buy office" at the current airport.
//
// Shows the office price and asks to confirm. Yes buys the office (the
// company researches the airport too when its information is missing or
// stale, and its details become current); No leaves it. Both return to the
// airport details (25). The price grows with the cost index and may pass a
// million late in a game; it is shown as it is.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class BuyOfficeForm : public SRForm
{
public:
    // The buttons of the layout.
    enum Button
    {
        YES,
        NO,
    };

    explicit BuyOfficeForm(int32_t number);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;
};
