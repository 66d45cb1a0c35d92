// ListSelection: moving the selection of a list screen's list by keys, and
// the labels of the rows the fleet and route lists share.
//
// In every list the pad's up and down move the selection one row, keeping
// it in view and the scroll bar's thumb in step.
#pragma once

#include <cstdint>
#include <string>

class ItemListPanel;
class ScrollBar;

class ListSelection
{
public:
    // Selects `row` (clamped by the list) and scrolls it into view.
    static void Select(ItemListPanel* list, ScrollBar* bar, int32_t row);
    // Up and down move the selection; true when the key was one of them.
    static bool OnKey(ItemListPanel* list, ScrollBar* bar, uint32_t keyBit, bool pressed);
    // The value of the selected ChoiceItem row, or -1 for an empty list.
    static int32_t SelectedValue(const ItemListPanel* list);

    // An airport as the route screens list it: "%s, %s" with its country
    // and short name.
    static std::string AirportLabel(int32_t airport);
};
