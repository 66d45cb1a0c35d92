// StringListPanel: a panel showing a column of strings, one selectable.
//
// The panel bitmap gives the size; rows are one font height high and start
// 4 pixels inside the panel. The selected row is underlaid with the
// selection colour. A tap or a drag over the text area selects the row under
// the stylus; a selection change redraws only the two rows concerned.
// Scrolling keeps the first row within the strings; a scroll bar drives it
// through ScrollableList.
#pragma once

#include "Common/Gui/Controls/ScrollableList.h"
#include "Wkr/Gui/Widget.h"

#include <string>
#include <vector>

class Bitmap;
class Font;
class Window;

class StringListPanel : public Widget, public ScrollableList
{
public:
    // The panel bitmap is shared, not owned (usually one of GfxResources).
    StringListPanel(int16_t x, int16_t y, Bitmap* panel, Font* font, Window* window, uint32_t selectionColour,
                    uint32_t backgroundColour);

    void AddString(const std::string& s);
    void Clear();
    const std::string& GetString(int32_t i) const;

    void Draw() override;
    bool OnStylusMove(int16_t x, int16_t y) override;
    bool OnStylusUp(int16_t x, int16_t y) override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    // A list record and every string as a row, with the rows in view placed.
    void Describe(ScreenDump& dump) const override;

    int32_t GetCount() const override { return static_cast<int32_t>(_strings.size()); }
    int32_t GetVisibleRows() const override { return _rows; }
    int32_t GetFirst() const override { return _first; }
    void ScrollUp(int32_t n) override;
    void ScrollDown(int32_t n) override;
    void PageUp() override;
    void PageDown() override;

    int32_t GetSelected() const { return _selected; }
    void SetSelected(int32_t i);
    int32_t GetRowHeight() const { return _rowHeight; }
    bool IsStylusDown() const { return _stylusDown; }

private:
    bool InTextArea(int16_t x, int16_t y) const;
    void SelectAt(int16_t y);
    void DrawRow(int32_t index, bool selected);

    int16_t _x;
    int16_t _y;
    Bitmap* _panel;
    Font* _font;
    Window* _window;
    uint32_t _selectionColour;
    uint32_t _backgroundColour;
    int32_t _width;
    int32_t _height;
    int32_t _rowHeight;
    int32_t _rows;
    std::vector<std::string> _strings;
    int32_t _first = 0;
    int32_t _selected = 0;
    int32_t _previous = 0;
    bool _stylusDown = false;
};
