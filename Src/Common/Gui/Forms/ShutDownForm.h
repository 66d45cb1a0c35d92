// ShutDownForm: screen 16, "Shut down": the question before the current
// plane's route closes. Yes closes it; both answers return to the plane's
// details (12). A route still bound to a special flight is not closed here:
// Yes opens its warning.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class ShutDownForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        YES,
        NO,
    };

    explicit ShutDownForm(int32_t number);

protected:
    void OnButton(int32_t id) override;
};
