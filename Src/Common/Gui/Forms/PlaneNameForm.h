// PlaneNameForm: screen 14, "Plane name": the player names the plane bought.
//
// The field proposes "Plane%d" with the company's next plane id, fully
// selected, so typing replaces it; at most 12 characters, and OK stays
// disabled while it is empty. OK buys the model chosen on the market screen
// under that name. When the purchase replaces a plane on a route (a current
// route is set), the new plane takes the route over: from the plane that
// flew it, whose flight cycle stops, or, for the route of a crashed plane,
// from the navigation state that kept it. The new plane becomes current and
// its details (12) are shown. Cancel returns to the market.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class TextField;

class PlaneNameForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        OK,
        CANCEL,
    };

    static constexpr int32_t MAX_NAME = 12;

    explicit PlaneNameForm(int32_t number);

    void OnShow() override;
    void OnHide() override;
    bool OnIdle() override;

    TextField* GetField() const { return _field; }

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    void UpdateOk();
    void Buy();

    TextField* _field;
};
