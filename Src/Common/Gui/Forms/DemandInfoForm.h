// DemandInfoForm: screen 26, "Demand info" of the current airport.
//
// One line for each of the airport's six neighbours: its short name, the
// demand towards it and the distance ("km", or "mls" with the distance
// divided by 1.6 here). The demand shown is what the company's details
// give as the base passengers of a flight there, advertising included
// ((demand + bonus) / 10); without details the company knows none and 0 is
// shown. A plane marks the lines to which the company may not open a new
// route. OK returns to the airport details (25).
#pragma once

#include "Common/Gui/Forms/SRForm.h"

#include <string>

class MaskedBitmap;

class DemandInfoForm : public SRForm
{
public:
    // The buttons of the layout.
    enum Button
    {
        OK,
    };

    explicit DemandInfoForm(int32_t number);
    ~DemandInfoForm() override;

    // The line of the neighbour in `slot` of the airport.
    static std::string LineText(int32_t airport, int32_t slot, bool kilometres);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    MaskedBitmap* _marker;
};
