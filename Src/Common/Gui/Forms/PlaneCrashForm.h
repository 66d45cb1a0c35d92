// PlaneCrashForm: notice 46, the dialog plane has crashed.
//
// Both answers take the crashed plane out of the fleet. Replace keeps its
// route open, marked as waiting for a replacement, and hands it to the
// navigation form as the current (provisional) route; the replacement
// screen (24) then buys the plane that takes it over. Shut down closes the
// route and goes back to the covered screen.
#pragma once

#include "Common/Gui/Forms/NoticeForm.h"

#include <cstdint>

class PlaneCrashForm : public NoticeForm
{
public:
    explicit PlaneCrashForm(int32_t number);

protected:
    void OnButton(int32_t id) override;

private:
    int32_t _planeId = -1;
};
