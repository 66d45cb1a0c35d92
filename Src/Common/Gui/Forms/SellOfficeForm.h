// SellOfficeForm: screen 34, "Sell office" at the current airport.
//
// Shows what the office brings (half its current price) and asks to
// confirm; Yes sells it, No keeps it; both return to the airport details
// (25).
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class SellOfficeForm : public SRForm
{
public:
    // The buttons of the layout.
    enum Button
    {
        YES,
        NO,
    };

    explicit SellOfficeForm(int32_t number);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;
};
