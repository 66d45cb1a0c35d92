// StartingAirportForm: screen 18, "Starting airport", the first step of
// setting up a route for the current plane.
//
// Lists the airports a route can start from (details held, open, fewer than
// four routes out). OK takes the selected one: when the plane can fly to at
// least one of its neighbours the route being set up starts there and the
// destinations follow (19), otherwise the screen that says there are none
// (20). Cancel returns to the plane's details (12). Without any airport to
// start from the screen is a notice saying so, whose OK returns to 12.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class ItemListPanel;

class StartingAirportForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        OK,
        CANCEL,
    };

    explicit StartingAirportForm(int32_t number);

    bool OnKey(uint32_t keyBit, bool pressed) override;

    // Null in the notice shown when there is no starting airport.
    ItemListPanel* GetList() const { return _list; }
    void Choose();

protected:
    void OnButton(int32_t id) override;

private:
    ItemListPanel* _list = nullptr;
};
