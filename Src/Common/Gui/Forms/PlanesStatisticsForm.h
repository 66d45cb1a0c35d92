// PlanesStatisticsForm: page 3 of the statistics screen, "Planes
// statistics".
//
// The company's planes in a list, sorted by the key chosen from the "Sort
// by" pop-up: age, speed, range, profit, number of damages or number of
// passengers carried. Each row shows the plane's name in brackets and the
// key's value; speed and range follow the distance-unit option. The order
// is ascending by "less than" on the key's own type (the profit as a signed
// 64-bit sum), and planes with equal keys keep the company's order. The
// chosen key is kept for the next visit.
#pragma once

#include "Common/Gui/Forms/StatisticsForm.h"

#include <string>
#include <vector>

class Company;
class ItemListPanel;
class Plane;
class PopupMenu;
class Time;

class PlanesStatisticsForm : public StatisticsForm
{
public:
    enum SortKey
    {
        SORT_AGE = 0,
        SORT_SPEED,
        SORT_RANGE,
        SORT_PROFIT,
        SORT_DAMAGES,
        SORT_PASSENGERS,
        SORT_KEY_COUNT,
    };

    explicit PlanesStatisticsForm(int32_t number);

    // The company's planes in the order of the key.
    static std::vector<const Plane*> Sorted(const Company& company, int32_t key, const Time& now);
    // A plane's row for the key; when it is too wide for the list, the
    // plane's name is shortened so that the figure stays whole.
    static std::string Line(const Plane& plane, int32_t key, const Time& now);

    int32_t GetSortKey() const { return _key; }
    void SortBy(int32_t key);
    ItemListPanel* GetList() const { return _list; }
    PopupMenu* GetSortPopup() const { return _sort; }

protected:
    void PaintContent() override;

private:
    static std::string LineWithName(const Plane& plane, const std::string& shownName, int32_t key,
                                    const Time& now);
    void Fill();

    int32_t _key;
    ItemListPanel* _list;
    PopupMenu* _sort;
};
