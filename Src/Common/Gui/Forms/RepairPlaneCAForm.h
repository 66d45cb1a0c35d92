// RepairPlaneCAForm: screen 22, "Repair" when it cannot be done: either the
// company cannot afford the price, or the model is out of service and its
// spare parts are gone. OK returns to the plane's details (12).
#pragma once

#include "Common/Gui/Forms/SRForm.h"

#include <string>
#include <vector>

class Plane;

class RepairPlaneCAForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        OK,
    };

    explicit RepairPlaneCAForm(int32_t number);

    // The lines the screen shows for the plane.
    static std::vector<std::string> Lines(const Plane* plane);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;
};
