// NoDestinationForm: screen 20, "Destination airport": no neighbour of the
// chosen starting airport can be served by the current plane. OK drops the
// route being set up and returns to the plane's details (12).
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class NoDestinationForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        OK,
    };

    explicit NoDestinationForm(int32_t number);

protected:
    void OnButton(int32_t id) override;
};
