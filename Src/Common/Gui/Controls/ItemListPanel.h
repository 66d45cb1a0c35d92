// ItemListPanel: a panel of rows that draw themselves (ItemString, ItemPlane).
//
// Drawn over "sr_ListPanel.bmp" through a back buffer of the panel's size,
// so a redraw never flickers: the panel, then each visible row's band in the
// background or selection colour with the item drawn on it at (5, 5), and
// the whole buffer copied to the window. The first item fixes the row
// height. Scrolling only marks the panel dirty; Update redraws it once.
// A tap on the selected row goes to its item; a tap on another row selects
// it. Dragging with the stylus down moves the selection, with the highlight
// sound at each change.
#pragma once

#include "Common/Gui/Controls/ScrollableList.h"
#include "Wkr/Gui/Widget.h"

#include <vector>

class Bitmap;
class ListItem;
class OffscreenWindow;
class Window;

class ItemListPanel : public Widget, public ScrollableList
{
public:
    static constexpr const char* PANEL_IMAGE = "sr_ListPanel.bmp";

    ItemListPanel(int16_t x, int16_t y, Window* window, uint32_t backgroundColour, uint32_t selectionColour,
                  bool selectionEnabled);
    ~ItemListPanel() override;

    // Appends a row (owned from now on).
    void AddItem(ListItem* item);
    // Deletes every row and returns to the empty state.
    void Clear();
    ListItem* GetItem(int32_t i) const;

    bool Update() override;
    void Draw() override;
    bool OnStylusMove(int16_t x, int16_t y) override;
    bool OnStylusUp(int16_t x, int16_t y) override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    // A list record and every row with its label, selection and, in view,
    // the band a tap selects it by.
    void Describe(ScreenDump& dump) const override;

    int32_t GetCount() const override { return static_cast<int32_t>(_items.size()); }
    int32_t GetVisibleRows() const override { return _visible_rows; }
    int32_t GetFirst() const override { return _first; }
    void ScrollUp(int32_t n) override;
    void ScrollDown(int32_t n) override;
    void PageUp() override;
    void PageDown() override;

    void SetFirst(int32_t r);
    void SetSelected(int32_t r);
    int32_t GetSelected() const { return _selected; }
    int32_t GetRowHeight() const { return _rowHeight; }
    bool IsPressed() const { return _pressed; }
    bool IsDirty() const { return _dirty; }
    // The row under a point of the hit area (not checked against the count).
    int32_t RowAt(int16_t y) const;
    bool InHitArea(int16_t x, int16_t y) const;

private:
    int16_t _x;
    int16_t _y;
    Bitmap* _panel;
    int32_t _width;
    int32_t _height;
    Window* _window;
    uint32_t _backgroundColour;
    uint32_t _selectionColour;
    bool _selectionEnabled;
    std::vector<ListItem*> _items;
    int32_t _first = -1;
    int32_t _visible_rows = 0;
    int32_t _rowHeight = 0;
    int32_t _selected = 0;
    int32_t _previous = 0;
    bool _pressed = false;
    bool _dirty = false;
    OffscreenWindow* _backbuffer;
};
