#include "Common/Gui/Controls/GfxComboList.h"

#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/Font.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/ScreenDump.h"

#include <algorithm>
#include <utility>

GfxComboList::GfxComboList(int16_t x, int16_t y, Window* window, Font* font, uint32_t lightColour,
                           uint32_t faceColour, uint32_t darkColour, const char* boxImage, Action action)
    : _x(x), _y(y), _window(window), _font(font), _light(lightColour), _face(faceColour), _dark(darkColour),
      _action(std::move(action))
{
    ASSERT(_window);
    ASSERT(_font);
    ASSERT(boxImage && "imagename");
    _box = new Bitmap(boxImage);
    _boxWidth = _box->GetImgRect().extent.x;
    _boxHeight = _box->GetImgRect().extent.y;
    _window->SetFont(_font, false);
    RebuildBackBuffer();
}

GfxComboList::~GfxComboList()
{
    delete _backbuffer;
    delete _box;
}

void GfxComboList::AddString(const std::string& s)
{
    // The saved area must match the list, so an open list is closed first.
    Close();
    _strings.push_back(s);
    RebuildBackBuffer();
}

const std::string& GfxComboList::GetString(int32_t i) const
{
    ASSERT(i >= 0 && i < GetCount() && "no such combo entry");
    return _strings[static_cast<size_t>(i)];
}

void GfxComboList::SetSelected(int32_t i)
{
    _selected = std::clamp(i, 0, std::max(0, GetCount() - 1));
}

int32_t GfxComboList::GetListHeight() const
{
    return GetCount() * (_font->GetHeight() + 1) + 4;
}

int32_t GfxComboList::GetListTop() const
{
    const int32_t below = _y + _boxHeight;
    if (below + GetListHeight() <= _window->GetHeight() || _y - GetListHeight() < 0)
        return below;
    return _y - GetListHeight();
}

void GfxComboList::RebuildBackBuffer()
{
    delete _backbuffer;
    _backbuffer =
        new OffscreenWindow(static_cast<int16_t>(_boxWidth + 4), static_cast<int16_t>(GetListHeight()));
}

bool GfxComboList::InBox(int16_t x, int16_t y) const
{
    return x > _x && x < _x + _boxWidth && y > _y && y < _y + _boxHeight;
}

bool GfxComboList::InList(int16_t x, int16_t y) const
{
    const int32_t top = GetListTop();
    return x > _x && x < _x + _boxWidth + 4 && y > top + 1 && y < top + GetListHeight() - 3;
}

void GfxComboList::Open()
{
    if (_open)
        return;
    _backbuffer->Blit(_window, _x, GetListTop(), _boxWidth + 4, GetListHeight(), 0, 0, SRCCOPY);
    _open = true;
    Draw();
}

void GfxComboList::Close()
{
    if (!_open)
        return;
    _window->Blit(_backbuffer, 0, 0, _boxWidth + 4, GetListHeight(), _x, GetListTop(), SRCCOPY);
    _open = false;
    Draw();
}

void GfxComboList::DrawList()
{
    const int32_t top = GetListTop();
    const int32_t w = _boxWidth + 4;
    const int32_t h = GetListHeight();
    _window->SetBrushColor(_face);
    _window->FillRect(Rect{{_x, top}, {w, h}}, 5);
    // A bevel: the light lines along the top and left, the dark ones along the
    // bottom and right, kept clear of the rounded corners.
    _window->FillSolid(Rect{{_x + 4, top}, {w - 8, 1}}, _light);
    _window->FillSolid(Rect{{_x, top + 4}, {1, h - 8}}, _light);
    _window->FillSolid(Rect{{_x + 4, top + h - 2}, {w - 8, 1}}, _dark);
    _window->FillSolid(Rect{{_x + w - 2, top + 4}, {1, h - 8}}, _dark);
    _window->SetFont(_font, false);
    const int32_t rowHeight = _font->GetHeight() + 1;
    for (int32_t i = 0; i < GetCount(); ++i)
        _window->DrawString(_x + 5, top + 2 + i * rowHeight, _strings[static_cast<size_t>(i)].c_str(),
                            ROP_DEFAULT);
}

void GfxComboList::Draw()
{
    if (!_visible)
        return;
    _box->Draw(_window, _x, _y, SRCCOPY);
    if (!_strings.empty())
    {
        _window->SetFont(_font, false);
        _window->DrawString(_x + 5, _y + 4, _strings[static_cast<size_t>(_selected)].c_str(), ROP_DEFAULT);
    }
    if (_open)
        DrawList();
}

bool GfxComboList::OnStylusDown(int16_t x, int16_t y)
{
    if (!_open && InBox(x, y))
    {
        Open();
        return true;
    }
    if (_open && !InList(x, y))
    {
        Close();
        return true;
    }
    return _open;
}

bool GfxComboList::OnStylusUp(int16_t x, int16_t y)
{
    if (!_open || !InList(x, y))
        return false;
    const int32_t index = (y - GetListTop() - 2) / (_font->GetHeight() + 1);
    Close();
    if (index < 0 || index >= GetCount())
        return true;
    _selected = index;
    Draw();
    ASSERT(_action && "_callback");
    _action(index);
    return true;
}

void GfxComboList::Describe(ScreenDump& dump) const
{
    const int32_t list = dump.ListFor(this);
    ScreenDump::List& record = dump.lists[static_cast<size_t>(list)];
    record.kind = "combo";
    record.box = ScreenDump::Box{_x, _y, _boxWidth, _boxHeight};
    record.count = GetCount();
    record.first = 0;
    record.rows = _open ? GetCount() : 0;
    record.open = _open;
    const int32_t top = GetListTop();
    const int32_t rowHeight = _font->GetHeight() + 1;
    for (int32_t i = 0; i < GetCount(); ++i)
    {
        ScreenDump::Item item;
        item.label = _strings[static_cast<size_t>(i)];
        item.list = list;
        item.index = i;
        item.selected = i == _selected;
        if (_open)
        {
            // The row's strip of the dropped list: a release there picks it.
            item.x = _x + 2;
            item.y = top + 2 + i * rowHeight;
            item.width = _boxWidth;
            item.height = rowHeight;
        }
        dump.items.push_back(item);
    }
}
