// ResearchForm: screens 28 to 30, "Research" of the current airport.
//
// 28 asks to confirm the price of the research; Yes researches the airport
// (the company's details of it become current) and No leaves it; 29 says
// the company cannot afford it and shows the price; 30 says the information
// is still fresh. The airport details screen (25) chose the number by the
// company's rule; every button returns there.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class ResearchForm : public SRForm
{
public:
    // The buttons of the layout.
    enum Button
    {
        YES,
        NO,
        OK,
    };

    explicit ResearchForm(int32_t number);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;
};
