// ScrollableList: what a scroll bar needs of the list it scrolls.
//
// Both list panels implement it: how many rows there are, how many show,
// which row is at the top, and scrolling by rows or by pages (a page is one
// row less than the visible rows, so that one row stays in view).
#pragma once

#include <cstdint>

class ScrollableList
{
public:
    virtual ~ScrollableList();

    virtual int32_t GetCount() const = 0;
    virtual int32_t GetVisibleRows() const = 0;
    virtual int32_t GetFirst() const = 0;
    virtual void ScrollUp(int32_t n) = 0;
    virtual void ScrollDown(int32_t n) = 0;
    virtual void PageUp() = 0;
    virtual void PageDown() = 0;
};
