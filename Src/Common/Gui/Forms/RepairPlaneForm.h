// RepairPlaneForm: screen 21, "Repair": the price of repairing the current
// plane and the question. Yes pays and sends the plane back to its flight
// cycle; both answers return to the plane's details (12).
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class RepairPlaneForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        YES,
        NO,
    };

    explicit RepairPlaneForm(int32_t number);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;
};
