#include "Common/Gui/Forms/PlanesStatisticsForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Controls/ScrollBar.h"
#include "Common/Gui/Forms/DistanceUnits.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "WinCE/Assert.h"
#include "WinCE/Font.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace
{
constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Planes statistics", 10, 7, {}, {},
};

constexpr int16_t SORT_X = 149;
constexpr int32_t HEADING_X = 13;
constexpr int32_t HEADING_Y = 40;

// The "Sort by" entries from the bottom up, in key order, with the heading
// that names the order.
constexpr struct
{
    const char* bitmap;
    const char* heading;
} KEYS[] = {
    {"sr_Popup5Age_button.bmp", "Sorted by age:"},
    {"sr_Popup5Speed_button.bmp", "Sorted by speed:"},
    {"sr_Popup5Range_button.bmp", "Sorted by range:"},
    {"sr_Popup5Profit_button.bmp", "Sorted by profit:"},
    {"sr_Popup5NoD_button.bmp", "Sorted by no. of damages:"},
    {"sr_Popup5NoP_button.bmp", "Sorted by no. of passengers:"},
};
static_assert(std::size(KEYS) == PlanesStatisticsForm::SORT_KEY_COUNT);

// The key chosen last, kept between visits.
int32_t s_key = PlanesStatisticsForm::SORT_AGE;

// Orders two planes by one key, each compared on its own type.
bool Less(const Plane& a, const Plane& b, int32_t key, const Time& now)
{
    switch (key)
    {
    case PlanesStatisticsForm::SORT_AGE:
        return a.Age(now) < b.Age(now);
    case PlanesStatisticsForm::SORT_SPEED:
        return a.Speed() < b.Speed();
    case PlanesStatisticsForm::SORT_RANGE:
        return a.Range() < b.Range();
    case PlanesStatisticsForm::SORT_PROFIT:
        return a._profit < b._profit;
    case PlanesStatisticsForm::SORT_DAMAGES:
        return a._damages < b._damages;
    default:
        return a._pass_carried < b._pass_carried;
    }
}
} // namespace

PlanesStatisticsForm::PlanesStatisticsForm(int32_t number)
    : StatisticsForm(number, PAGE_PLANES, LAYOUT, false), _key(s_key), _list(AddList(false))
{
    _sort = new PopupMenu(SORT_X, POPUP_Y, "sr_SortBy_button.bmp", this);
    for (int32_t key = 0; key < SORT_KEY_COUNT; ++key)
        _sort->AddItem(
            KEYS[key].bitmap, [this, key](PopupItem*) { SortBy(key); }, false);
    Widgets().AddWidget(_sort);
    Fill();
    AddPopups();
}

std::vector<const Plane*> PlanesStatisticsForm::Sorted(const Company& company, int32_t key, const Time& now)
{
    ASSERT(key >= 0 && key < SORT_KEY_COUNT && "no such sort key");
    std::vector<const Plane*> planes;
    for (int32_t i = 0; i < company.GetPlaneCount(); ++i)
        planes.push_back(company.GetPlane(i));
    std::stable_sort(planes.begin(), planes.end(),
                     [key, &now](const Plane* a, const Plane* b) { return Less(*a, *b, key, now); });
    return planes;
}

std::string PlanesStatisticsForm::Line(const Plane& plane, int32_t key, const Time& now)
{
    ASSERT(key >= 0 && key < SORT_KEY_COUNT && "no such sort key");
    std::string line = LineWithName(plane, plane._name, key, now);
    // A row too wide for the list would lose the end of its figure; the
    // name gives way instead.
    if (!GfxResources::IsLoaded())
        return line;
    Font* font = GfxResources::GetFont(GfxResources::FONT_TEXT);
    std::string name = plane._name;
    while (!name.empty() && font->TextWidth(line.c_str()) >= ItemString::MAX_WIDTH)
    {
        name.pop_back();
        line = LineWithName(plane, name, key, now);
    }
    return line;
}

std::string PlanesStatisticsForm::LineWithName(const Plane& plane, const std::string& shownName, int32_t key,
                                               const Time& now)
{
    const char* name = shownName.c_str();
    const bool km = GameOptions::UsesKilometres();
    char text[96];
    switch (key)
    {
    case SORT_AGE:
        std::snprintf(text, sizeof(text), "[  %s  ] - %d", name, static_cast<int>(plane.Age(now)));
        break;
    case SORT_SPEED:
        std::snprintf(text, sizeof(text), "[  %s  ] - %d %s", name,
                      static_cast<int>(DistanceUnits::Shown(plane.Speed())), km ? "km/h" : "mph");
        break;
    case SORT_RANGE:
        std::snprintf(text, sizeof(text), "[  %s  ] - %d %s", name,
                      static_cast<int>(DistanceUnits::Shown(plane.Range())), km ? "km" : "mls");
        break;
    case SORT_PROFIT:
        std::snprintf(text, sizeof(text), "[  %s  ] - $%" PRId64, name, plane._profit);
        break;
    case SORT_DAMAGES:
        std::snprintf(text, sizeof(text), "[  %s  ] - %d", name, static_cast<int>(plane._damages));
        break;
    default:
        std::snprintf(text, sizeof(text), "[  %s  ] - %d", name, static_cast<int>(plane._pass_carried));
        break;
    }
    return text;
}

void PlanesStatisticsForm::SortBy(int32_t key)
{
    ASSERT(key >= 0 && key < SORT_KEY_COUNT && "no such sort key");
    _key = key;
    s_key = key;
    Fill();
    Invalidate();
}

void PlanesStatisticsForm::Fill()
{
    _list->Clear();
    const Time& now = TimeSimulation::GetCurrGameTime();
    int32_t row = 0;
    for (const Plane* plane : Sorted(*Enviroment::GetCompany(), _key, now))
        _list->AddItem(new ItemString(Line(*plane, _key, now), _list, 0, 0, row++));
    _list->SetFirst(0);
    GetScrollBar()->UpdateThumb();
}

void PlanesStatisticsForm::PaintContent()
{
    DrawText(GfxResources::FONT_TEXT, HEADING_X, HEADING_Y, KEYS[_key].heading);
}
