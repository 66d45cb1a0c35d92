#include "Common/Gui/Forms/StatisticsForm.h"

#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/CompanyWorthForm.h"
#include "Common/Gui/Forms/CompanyWorthHistoryForm.h"
#include "Common/Gui/Forms/MapStatisticsForm.h"
#include "Common/Gui/Forms/PassengersForm.h"
#include "Common/Gui/Forms/PlanesStatisticsForm.h"
#include "Common/Gui/Forms/ProfitLossForm.h"
#include "WinCE/Assert.h"
#include "WinCE/TickCount.h"

#include <cinttypes>
#include <cstdio>

namespace
{
// The "View" entries from the bottom up, each with the page it shows.
constexpr struct
{
    const char* bitmap;
    int32_t page;
} VIEW_ENTRIES[] = {
    {"sr_Popup3Company_button.bmp", StatisticsForm::PAGE_WORTH},
    {"sr_Popup3Account_button.bmp", StatisticsForm::PAGE_ACCOUNT},
    {"sr_Popup3Planes_button.bmp", StatisticsForm::PAGE_PLANES},
    {"sr_Popup3Passenger_button.bmp", StatisticsForm::PAGE_PASSENGERS},
    {"sr_Popup3Map_button.bmp", StatisticsForm::PAGE_MAP},
};
} // namespace

SRForm* StatisticsForm::Build(int32_t number)
{
    const CentralFormChanger* navigation = CentralFormChanger::Get();
    switch (navigation ? navigation->SubState() : PAGE_WORTH)
    {
    case PAGE_HISTORY:
        return new CompanyWorthHistoryForm(number);
    case PAGE_ACCOUNT:
        return new ProfitLossForm(number);
    case PAGE_PLANES:
        return new PlanesStatisticsForm(number);
    case PAGE_PASSENGERS:
        return new PassengersForm(number);
    case PAGE_MAP:
        return new MapStatisticsForm(number);
    default:
        return new CompanyWorthForm(number);
    }
}

StatisticsForm::StatisticsForm(int32_t number, int32_t page, const ScreenLayout& layout, bool live)
    : SRForm(number, layout), _page(page), _live(live)
{
    ASSERT(page >= 0 && page < PAGE_COUNT && "a statistics page is 0 to 5");
}

void StatisticsForm::AddPopups()
{
    ASSERT(!_view && "the pop-ups are added once");
    _view = new PopupMenu(VIEW_X, POPUP_Y, "sr_View_button.bmp", this);
    for (const auto& entry : VIEW_ENTRIES)
    {
        const int32_t page = entry.page;
        _view->AddItem(
            entry.bitmap, [this, page](PopupItem*) { ShowPage(page); }, page == _page);
    }
    Widgets().AddWidget(_view);
    _go = AddGoPopup(Screens::STATISTICS);
}

void StatisticsForm::ShowPage(int32_t page)
{
    ASSERT(page >= 0 && page < PAGE_COUNT && "a statistics page is 0 to 5");
    Navigation()->SetSubState(page);
    Hide();
}

bool StatisticsForm::OnIdle()
{
    const uint32_t now = GetTickCount();
    if (_live && GameState::IsSimulationRunning() && !Widgets().IsOverlayOpen() &&
        now - _refreshTick >= REFRESH)
    {
        _refreshTick = now;
        Invalidate();
    }
    return SRForm::OnIdle();
}

std::string StatisticsForm::Amount(const char* prefix, int64_t value)
{
    char text[40];
    std::snprintf(text, sizeof(text), "%s%" PRId64, prefix, value);
    return text;
}
