#include "Common/Gui/Controls/StringListPanel.h"

#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/Font.h"
#include "WinCE/ScreenDump.h"
#include "WinCE/Window.h"

#include <algorithm>

StringListPanel::StringListPanel(int16_t x, int16_t y, Bitmap* panel, Font* font, Window* window,
                                 uint32_t selectionColour, uint32_t backgroundColour)
    : _x(x), _y(y), _panel(panel), _font(font), _window(window), _selectionColour(selectionColour),
      _backgroundColour(backgroundColour)
{
    ASSERT(_panel && "a list panel needs its panel bitmap");
    ASSERT(_font);
    ASSERT(_window);
    _width = _panel->GetImgRect().extent.x;
    _height = _panel->GetImgRect().extent.y;
    _rowHeight = _font->GetHeight();
    ASSERT(_rowHeight > 0 && "a font without height cannot lay out rows");
    _rows = std::max(0, (_height - 8) / _rowHeight);
}

void StringListPanel::AddString(const std::string& s)
{
    _strings.push_back(s);
}

void StringListPanel::Clear()
{
    _strings.clear();
    _first = 0;
    _selected = 0;
    _previous = 0;
}

const std::string& StringListPanel::GetString(int32_t i) const
{
    ASSERT(i >= 0 && i < GetCount() && "no such string");
    return _strings[static_cast<size_t>(i)];
}

void StringListPanel::DrawRow(int32_t index, bool selected)
{
    const int32_t i = index - _first;
    if (i < 0 || i >= _rows || index >= GetCount())
        return;
    const int32_t top = _y + 3 + i * _rowHeight;
    _window->FillSolid(Rect{{_x + 3, top}, {_width - 6, _rowHeight}},
                       selected ? _selectionColour : _backgroundColour);
    _window->SetFont(_font, false);
    _window->DrawString(_x + 4, _y + 4 + i * _rowHeight, _strings[static_cast<size_t>(index)].c_str(),
                        ROP_DEFAULT);
}

void StringListPanel::Draw()
{
    if (!_visible)
        return;
    _panel->Draw(_window, _x, _y, SRCCOPY);
    _window->SetFont(_font, false);
    for (int32_t i = 0; i < _rows && _first + i < GetCount(); ++i)
    {
        if (_first + i == _selected)
            _window->FillSolid(Rect{{_x + 3, _y + 3 + i * _rowHeight}, {_width - 6, _rowHeight}},
                               _selectionColour);
        _window->DrawString(_x + 4, _y + 4 + i * _rowHeight,
                            _strings[static_cast<size_t>(_first + i)].c_str(), ROP_DEFAULT);
    }
}

bool StringListPanel::InTextArea(int16_t x, int16_t y) const
{
    return x > _x + 4 && x < _x + _width - 4 && y > _y + 4 && y < _y + 4 + _rows * _rowHeight;
}

void StringListPanel::SelectAt(int16_t y)
{
    _previous = _selected;
    const int32_t row = _first + (y - _y - 4) / _rowHeight;
    if (row >= GetCount())
        return;
    _selected = row;
    if (_selected != _previous)
    {
        DrawRow(_previous, false);
        DrawRow(_selected, true);
    }
}

bool StringListPanel::OnStylusDown(int16_t x, int16_t y)
{
    if (!InTextArea(x, y))
        return false;
    _stylusDown = true;
    SelectAt(y);
    return true;
}

bool StringListPanel::OnStylusMove(int16_t x, int16_t y)
{
    if (!_stylusDown || !InTextArea(x, y))
        return false;
    SelectAt(y);
    return true;
}

bool StringListPanel::OnStylusUp(int16_t, int16_t)
{
    const bool was = _stylusDown;
    _stylusDown = false;
    return was;
}

void StringListPanel::SetSelected(int32_t i)
{
    _selected = std::clamp(i, 0, std::max(0, GetCount() - 1));
}

void StringListPanel::ScrollDown(int32_t n)
{
    // A list shorter than the panel never scrolls: the first row stays 0.
    if (GetCount() - _first - _rows < n)
        _first = std::max(0, GetCount() - _rows);
    else
        _first += n;
    Draw();
}

void StringListPanel::ScrollUp(int32_t n)
{
    _first = std::max(0, _first - n);
    Draw();
}

void StringListPanel::PageDown()
{
    ScrollDown(std::max(1, _rows - 1));
}

void StringListPanel::PageUp()
{
    ScrollUp(std::max(1, _rows - 1));
}

void StringListPanel::Describe(ScreenDump& dump) const
{
    const int32_t list = dump.ListFor(static_cast<const ScrollableList*>(this));
    ScreenDump::List& record = dump.lists[static_cast<size_t>(list)];
    record.kind = "strings";
    record.box = ScreenDump::Box{_x, _y, _width, _height};
    record.count = GetCount();
    record.first = _first;
    record.rows = _rows;
    for (int32_t i = 0; i < GetCount(); ++i)
    {
        ScreenDump::Item item;
        item.label = _strings[static_cast<size_t>(i)];
        item.list = list;
        item.index = i;
        item.selected = i == _selected;
        const int32_t row = i - _first;
        if (row >= 0 && row < _rows)
        {
            // The text area of the row, where a tap selects it.
            item.x = _x + 4;
            item.y = _y + 4 + row * _rowHeight;
            item.width = _width - 8;
            item.height = _rowHeight;
        }
        dump.items.push_back(item);
    }
}
