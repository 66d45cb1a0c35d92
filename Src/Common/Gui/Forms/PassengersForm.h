// PassengersForm: page 4 of the statistics screen, "Passenger's Stats.".
//
// How many passengers are in the air right now and how many the company
// has ever carried (counted at take-off), from the statistics record; the
// page repaints while time runs.
#pragma once

#include "Common/Gui/Forms/StatisticsForm.h"

class PassengersForm : public StatisticsForm
{
public:
    explicit PassengersForm(int32_t number);

protected:
    void PaintContent() override;
};
