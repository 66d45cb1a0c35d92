// PlanesForm: screen 5, "Planes", the list of the company's planes.
//
// Each row shows a plane's name and model with its lamp: green while it
// flies its route, red while it stands still. While time runs the lamps are
// refreshed every 500 ms (never under an open pop-up). Choosing a plane
// makes it current and opens its details (12); "Buy new" opens the market
// (13); the "Go" pop-up reaches the other list screens and retirement. The
// first row in view is kept for the next visit. Arriving here ends a route
// flow that was left unfinished.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

#include <vector>

class ItemListPanel;
class PopupMenu;

class PlanesForm : public SRForm
{
public:
    static constexpr uint32_t REFRESH = 500;
    // The buttons, by the id their presses carry.
    enum Button
    {
        BUY_NEW,
    };

    explicit PlanesForm(int32_t number);

    void OnHide() override;
    bool OnIdle() override;
    bool OnKey(uint32_t keyBit, bool pressed) override;

    ItemListPanel* GetList() const { return _list; }
    PopupMenu* GetPopup() const { return _popup; }
    // Makes the plane at this position of the company's list current.
    void ChoosePlane(int32_t position);
    // One refresh of the lamps (what the idle step does every 500 ms).
    void Refresh();

protected:
    void OnButton(int32_t id) override;

private:
    void Fill();
    void DropPendingRoute();

    ItemListPanel* _list;
    PopupMenu* _popup;
    uint32_t _refreshTick = 0;
    // The lamps the rows show, by position: true while the plane stands still.
    std::vector<bool> _lamps;
};
