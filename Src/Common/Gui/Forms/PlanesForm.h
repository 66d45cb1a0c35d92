// PlanesForm: screen 5, "Planes", the list of the company's planes.
//
// Each row shows a plane's name and model with its lamp: green while it
// flies its route, red while it stands still. While time runs the lamps are
// refreshed every 500 ms (never under an open pop-up). Choosing a plane
// makes it current and opens its details (12); "Buy new" opens the market
// (13); the "Go" pop-up reaches the other list screens and retirement. The
// first row in view is kept for the next visit.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class ItemListPanel;
class PopupMenu;

class PlanesForm : public SRForm
{
public:
    static constexpr uint32_t REFRESH = 500;

    explicit PlanesForm(int32_t number);

    void OnHide() override;
    bool OnIdle() override;

    ItemListPanel* GetList() const { return _list; }
    PopupMenu* GetPopup() const { return _popup; }
    // Makes the plane at this position of the company's list current.
    void ChoosePlane(int32_t position);

protected:
    void OnButton(int32_t id) override;

private:
    void Fill();
    void Refresh();

    ItemListPanel* _list;
    PopupMenu* _popup;
    uint32_t _refreshTick = 0;
};
