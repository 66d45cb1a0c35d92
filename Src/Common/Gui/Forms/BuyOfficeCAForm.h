// BuyOfficeCAForm: screen 33, "Buy office" when the company cannot afford
// the office at the current airport (its price is not below the cash).
//
// Shows the price; OK returns to the airport details (25).
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class BuyOfficeCAForm : public SRForm
{
public:
    // The buttons of the layout.
    enum Button
    {
        OK,
    };

    explicit BuyOfficeCAForm(int32_t number);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;
};
