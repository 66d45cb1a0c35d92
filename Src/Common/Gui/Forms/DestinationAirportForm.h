// DestinationAirportForm: screen 19, "Destination", the second step of
// setting up a route.
//
// Lists the neighbours of the starting airport the current plane may fly to
// (within its range, a route the company may open, not closed by an
// incident) and shows the setup cost of the selected one. OK makes it the
// destination of the route being set up and moves on to its settings (23);
// with no destination at all OK leads to the screen that says so (20).
// Cancel drops the route and returns to the plane's details (12).
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class ItemListPanel;

class DestinationAirportForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        OK,
        CANCEL,
    };

    explicit DestinationAirportForm(int32_t number);

    bool OnKey(uint32_t keyBit, bool pressed) override;
    bool OnIdle() override;

    ItemListPanel* GetList() const { return _list; }
    // The setup cost of the selected destination (0 with none).
    int64_t GetSetupCost() const;
    void Choose();

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    ItemListPanel* _list;
    int32_t _source = -1;
    int32_t _shownSelection = -1;
};
