// RouteSettingsForm: screen 23, "Route settings", the last step of setting
// up a route: the two airports, the setup cost, and the ticket price and
// service level (both start at medium).
//
// OK pays the setup cost, opens the route for the current plane and starts
// its flight cycle; when the route fulfils the starting airport's open route
// offer the award is paid and its notice (59) follows, otherwise the plane's
// details (12). Cancel drops the route being set up and returns to 12.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class LevelChoice;

class RouteSettingsForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        OK,
        CANCEL,
    };

    explicit RouteSettingsForm(int32_t number);

    LevelChoice* GetLevels() const { return _levels; }

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    void Confirm();

    LevelChoice* _levels;
};
