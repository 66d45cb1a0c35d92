// SellPlaneForm: screen 15, "Sell": the current plane's sale value and the
// question; for a plane that flies a route, the warning that its route
// closes. Yes sells (the route closes, the plane's events end) and shows the
// planes list (5); No returns to the plane's details (12). A plane still
// bound to a special flight is not sold here: Yes opens its warning.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

#include <string>
#include <vector>

class Plane;

class SellPlaneForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        YES,
        NO,
    };

    explicit SellPlaneForm(int32_t number);

    static std::vector<std::string> Lines(const Plane* plane);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;
};
