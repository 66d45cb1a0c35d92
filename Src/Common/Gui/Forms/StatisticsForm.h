// StatisticsForm: the base of the six pages of the statistics screen (7).
//
// Screen 7 shows one page at a time; the navigation form's sub-state says
// which (0 company worth, 1 its history, 2 profit and loss, 3 planes, 4
// passengers, 5 map). Every page carries the "Go" pop-up (with Statistics
// disabled) and the "View" pop-up that switches pages. Switching sets the
// sub-state, which marks a change pending, and hides the page; the navigation
// form then rebuilds screen 7 as the new page without touching the history,
// so "Back" from the next screen still returns to whatever came before.
// Pages whose figures change with time repaint themselves while it runs.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

#include <string>

class PopupMenu;

class StatisticsForm : public SRForm
{
public:
    enum Page
    {
        PAGE_WORTH = 0,
        PAGE_HISTORY = 1,
        PAGE_ACCOUNT = 2,
        PAGE_PLANES = 3,
        PAGE_PASSENGERS = 4,
        PAGE_MAP = 5,
        PAGE_COUNT = 6,
    };

    // Where the "View" pop-up's button stands, beside the "Go" pop-up.
    static constexpr int16_t VIEW_X = 80;
    static constexpr int16_t POPUP_Y = 238;
    // How often a page whose figures follow the running time repaints them.
    static constexpr uint32_t REFRESH = 500;

    // Builds the page the navigation sub-state names (page 0 for any other
    // value) as screen `number`.
    static SRForm* Build(int32_t number);

    int32_t GetPage() const { return _page; }
    PopupMenu* GetGoPopup() const { return _go; }
    PopupMenu* GetViewPopup() const { return _view; }
    // Shows another page of the screen.
    void ShowPage(int32_t page);

    bool OnIdle() override;

    // A whole-dollar or head count as the pages print it: the prefix ("$ ",
    // "$" or nothing) followed by the signed decimal digits.
    static std::string Amount(const char* prefix, int64_t value);

protected:
    // A live page is repainted every REFRESH ms while time runs and no
    // pop-up is open, so that its figures follow the game.
    StatisticsForm(int32_t number, int32_t page, const ScreenLayout& layout, bool live);

    // Adds the "Go" and "View" pop-ups; pages call it last, so that an open
    // pop-up lies over their other widgets.
    void AddPopups();

private:
    int32_t _page;
    bool _live;
    uint32_t _refreshTick = 0;
    PopupMenu* _go = nullptr;
    PopupMenu* _view = nullptr;
};
