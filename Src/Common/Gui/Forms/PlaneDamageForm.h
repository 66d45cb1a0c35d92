// PlaneDamageForm: notice 45, the dialog plane was damaged before departure.
//
// The notice asks one of three questions, chosen when it is built: with the
// model still serviced and the cash to pay, Yes repairs the plane for the
// cost shown and No leaves it damaged; when the model has no spare parts any
// more, or the company cannot pay, it only tells so and Ok leaves the plane
// damaged. Every button goes back to the covered screen.
#pragma once

#include "Common/Backend/NoticeActions.h"
#include "Common/Gui/Forms/NoticeForm.h"

#include <cstdint>

class PlaneDamageForm : public NoticeForm
{
public:
    explicit PlaneDamageForm(int32_t number);

    NoticeActions::RepairChoice GetChoice() const { return _choice; }

protected:
    void OnButton(int32_t id) override;

private:
    int32_t _planeId = -1;
    NoticeActions::RepairChoice _choice;
};
