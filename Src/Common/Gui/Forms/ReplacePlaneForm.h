// ReplacePlaneForm: screen 24, "Replace plane": another plane for the
// current route.
//
// The route is either flown by the current plane (from the route edit
// screen) or waits for a plane after a crash (the navigation state keeps it).
// The list holds the company's planes that can take it over (no route of
// their own, not damaged, the range for it). Choosing one (OK, or a second
// tap on the selected row) moves the route to it and shows its details
// (12); Buy opens the market (13) to buy a new plane for the route. Cancel
// returns to the route edit screen when the player came from there;
// otherwise the replacement is abandoned: a route that waited for a plane
// closes, and the planes list (5) follows.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

#include <string>

class ItemListPanel;
class Route;

class ReplacePlaneForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        CANCEL,
        OK,
        BUY,
    };

    explicit ReplacePlaneForm(int32_t number);

    bool OnKey(uint32_t keyBit, bool pressed) override;

    ItemListPanel* GetList() const { return _list; }
    // "%s - %s": the route's two airports.
    static std::string RouteLabel(const Route& route);
    void Choose();

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    void Abandon();

    ItemListPanel* _list;
};
