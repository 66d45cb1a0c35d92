// PlaneDetailsForm: screen 12, "Plane details" of the current plane.
//
// Status, model, age, speed, range, seats and damages, refreshed while time
// runs. OK returns to the planes list (5). The options pop-up acts on the
// plane: Repair (21, or 22 when it cannot be done), Sell (15), Shut down
// (16), Edit (17) and Set up (18); an entry that has nothing to act on (a
// repair of a sound plane, the route of a plane without one, a second route)
// is disabled. Selling a plane or shutting the route of a plane bound to a
// charity or VIP flight goes through the contract warning first.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

#include <string>
#include <vector>

class Plane;
class PopupMenu;

class PlaneDetailsForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        OK,
    };

    static constexpr uint32_t REFRESH = 500;
    // Where the options pop-up's button stands.
    static constexpr int16_t POPUP_X = 150;
    static constexpr int16_t POPUP_Y = 238;

    // The pop-up's entries, top first.
    enum Entry
    {
        REPAIR,
        SELL,
        SHUT_DOWN,
        EDIT,
        SET_UP,
        ENTRIES,
    };

    explicit PlaneDetailsForm(int32_t number);

    bool OnIdle() override;

    PopupMenu* GetPopup() const { return _popup; }
    // The details lines of a plane, in the order the screen shows them.
    static std::vector<std::string> DetailLines(const Plane& plane);
    // Where the entry leads for this plane (a screen or notice number).
    static int32_t Target(Entry entry, const Plane& plane);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    void Choose(Entry entry);
    void UpdateEntries();

    PopupMenu* _popup;
    std::vector<std::string> _shown;
    uint32_t _refreshTick = 0;
};
