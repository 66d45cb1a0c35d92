#include "Common/Gui/Controls/ItemListPanel.h"

#include "Common/Gui/Controls/GameSound.h"
#include "Common/Gui/Controls/ListItem.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/ScreenDump.h"

#include <algorithm>

ItemListPanel::ItemListPanel(int16_t x, int16_t y, Window* window, uint32_t backgroundColour,
                             uint32_t selectionColour, bool selectionEnabled)
    : _x(x), _y(y), _window(window), _backgroundColour(backgroundColour), _selectionColour(selectionColour),
      _selectionEnabled(selectionEnabled)
{
    ASSERT(_window);
    _panel = new Bitmap(PANEL_IMAGE);
    _width = _panel->GetImgRect().extent.x;
    _height = _panel->GetImgRect().extent.y;
    _backbuffer = new OffscreenWindow(static_cast<int16_t>(_width), static_cast<int16_t>(_height));
}

ItemListPanel::~ItemListPanel()
{
    for (ListItem* item : _items)
        delete item;
    delete _backbuffer;
    delete _panel;
}

void ItemListPanel::AddItem(ListItem* item)
{
    ASSERT(item && "widget");
    if (_items.empty())
    {
        _first = 0;
        _rowHeight = item->GetRowHeight();
        ASSERT(_rowHeight > 0 && "a list row needs a height");
        _visible_rows = std::max(1, (_height - 8) / _rowHeight);
    }
    _items.push_back(item);
}

void ItemListPanel::Clear()
{
    for (ListItem* item : _items)
        delete item;
    _items.clear();
    _first = -1;
    _visible_rows = 0;
    _selected = 0;
    _previous = 0;
    _pressed = false;
    _dirty = true;
}

ListItem* ItemListPanel::GetItem(int32_t i) const
{
    ASSERT(i >= 0 && i < GetCount() && "no such list row");
    return _items[static_cast<size_t>(i)];
}

void ItemListPanel::Draw()
{
    if (!_visible)
        return;
    _panel->Draw(_backbuffer, 0, 0, SRCCOPY);
    for (int32_t i = 0; i < _visible_rows && _first >= 0 && _first + i < GetCount(); ++i)
    {
        const int32_t r = _first + i;
        const bool selected = r == _selected && _selectionEnabled;
        _backbuffer->FillSolid(Rect{{4, 4 + i * _rowHeight}, {_width - 6 - 4, _rowHeight}},
                               selected ? _selectionColour : _backgroundColour);
        _items[static_cast<size_t>(r)]->Draw(_backbuffer, 5, 5, i, _rowHeight);
    }
    _window->Blit(_backbuffer, 0, 0, _width, _height, _x, _y, SRCCOPY);
}

bool ItemListPanel::Update()
{
    if (!_dirty)
        return false;
    _dirty = false;
    Draw();
    return true;
}

bool ItemListPanel::InHitArea(int16_t x, int16_t y) const
{
    return x > _x + 2 && x < _x + _width - 4 && y > _y + 2 && y < _y + 4 + _visible_rows * _rowHeight;
}

int32_t ItemListPanel::RowAt(int16_t y) const
{
    const int32_t row = _first + (y - _y - 4) / _rowHeight;
    return std::min(row, _first + _visible_rows - 1);
}

bool ItemListPanel::OnStylusDown(int16_t x, int16_t y)
{
    if (_items.empty() || !InHitArea(x, y))
        return false;
    const int32_t row = RowAt(y);
    if (row == _selected && _selectionEnabled)
    {
        _items[static_cast<size_t>(row)]->OnTap(static_cast<int16_t>(x - _x), y);
    }
    else if (row < GetCount() && _selectionEnabled)
    {
        _previous = _selected;
        _selected = row;
        Draw();
        _items[static_cast<size_t>(row)]->OnSelect();
    }
    _pressed = true;
    return true;
}

bool ItemListPanel::OnStylusMove(int16_t x, int16_t y)
{
    if (!_pressed || _items.empty() || !InHitArea(x, y))
        return false;
    const int32_t row = RowAt(y);
    if (_selectionEnabled && row < GetCount() && row != _selected)
    {
        _previous = _selected;
        _selected = row;
        GameSound::Highlight();
        Draw();
    }
    return true;
}

bool ItemListPanel::OnStylusUp(int16_t, int16_t)
{
    const bool was = _pressed;
    _pressed = false;
    return was;
}

void ItemListPanel::ScrollDown(int32_t n)
{
    if (_items.empty())
        return;
    // A list shorter than the panel never scrolls: the first row stays 0.
    if (GetCount() - _first - _visible_rows < n)
        _first = std::max(0, GetCount() - _visible_rows);
    else
        _first += n;
    _dirty = true;
}

void ItemListPanel::ScrollUp(int32_t n)
{
    if (_items.empty())
        return;
    _first = std::max(0, _first - n);
    _dirty = true;
}

void ItemListPanel::PageDown()
{
    ScrollDown(std::max(1, _visible_rows - 1));
}

void ItemListPanel::PageUp()
{
    ScrollUp(std::max(1, _visible_rows - 1));
}

void ItemListPanel::SetFirst(int32_t r)
{
    if (_items.empty())
        return;
    _first = std::clamp(r, 0, std::max(0, GetCount() - _visible_rows));
    _dirty = true;
}

void ItemListPanel::SetSelected(int32_t r)
{
    _selected = std::clamp(r, 0, std::max(0, GetCount() - 1));
    _dirty = true;
}

void ItemListPanel::Describe(ScreenDump& dump) const
{
    const int32_t list = dump.ListFor(static_cast<const ScrollableList*>(this));
    ScreenDump::List& record = dump.lists[static_cast<size_t>(list)];
    record.kind = "items";
    record.box = ScreenDump::Box{_x, _y, _width, _height};
    record.count = GetCount();
    record.first = std::max(0, _first);
    record.rows = _visible_rows;
    for (int32_t i = 0; i < GetCount(); ++i)
    {
        ScreenDump::Item item;
        item.label = _items[static_cast<size_t>(i)]->GetLabel();
        item.list = list;
        item.index = i;
        item.selected = _selectionEnabled && i == _selected;
        const int32_t row = i - record.first;
        if (row >= 0 && row < _visible_rows)
        {
            // The band the row is drawn on, which is where a tap selects it.
            item.x = _x + 4;
            item.y = _y + 4 + row * _rowHeight;
            item.width = _width - 10;
            item.height = _rowHeight;
        }
        dump.items.push_back(item);
    }
}
