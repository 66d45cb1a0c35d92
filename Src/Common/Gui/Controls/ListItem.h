// ListItem: one row of an item list panel; the row draws itself.
//
// The panel asks each item for its row height (the first item's height sets
// the rows of the panel), has it draw row i at a given left and top, tells
// it when it becomes the selected row, and passes it a tap on the row that
// is already selected (x relative to the panel's left). Its label is the
// text a script chooses the row by.
#pragma once

#include <cstdint>
#include <string>

class Window;

class ListItem
{
public:
    virtual ~ListItem();

    virtual int32_t GetRowHeight() const = 0;
    // Draws the item as row `row` of rows `rowHeight` high, whose first row
    // starts at (x, y) of the window.
    virtual void Draw(Window* window, int32_t x, int32_t y, int32_t row, int32_t rowHeight) = 0;
    virtual void OnSelect();
    virtual void OnTap(int16_t x, int16_t y);
    // The text the row is known by (empty for rows without one).
    virtual std::string GetLabel() const;
};
