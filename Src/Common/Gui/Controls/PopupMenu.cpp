#include "Common/Gui/Controls/PopupMenu.h"

#include "Common/Gui/Controls/GameSound.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/ScreenDump.h"

#include <algorithm>
#include <utility>

PopupMenu::PopupMenu(int16_t x, int16_t y, const char* imagename, Window* window)
    : _x(x), _y(y), _window(window), _looks(imagename, 2), _menuTop(y)
{
    ASSERT(_window);
}

PopupMenu::~PopupMenu()
{
    for (PopupItem* item : _items)
        delete item;
    delete _backbuffer;
}

int32_t PopupMenu::GetButtonWidth() const
{
    return _looks.Width();
}

int32_t PopupMenu::GetButtonHeight() const
{
    return _looks.Height();
}

PopupItem* PopupMenu::AddItem(const char* imagename, PopupItem::Action action, bool disabled)
{
    ASSERT(imagename);
    // The entry is made first at the button's position to learn its height,
    // then placed on top of the menu.
    PopupItem* probe = new PopupItem(_window, _x, _y, imagename, action, disabled);
    const int32_t height = probe->GetHeight();
    const int32_t imageWidth = probe->GetImageWidth();
    delete probe;
    const int16_t top = static_cast<int16_t>(_y - _menuHeight - height);
    PopupItem* item = new PopupItem(_window, _x, top, imagename, std::move(action), disabled);
    _items.push_back(item);
    _menuHeight = static_cast<int16_t>(_menuHeight + height);
    _menuTop = static_cast<int16_t>(_menuTop - height);
    _menuWidth = static_cast<int16_t>(std::max<int32_t>(_menuWidth, imageWidth / 2));
    RebuildBackBuffer();
    return item;
}

void PopupMenu::RebuildBackBuffer()
{
    delete _backbuffer;
    _backbuffer = new OffscreenWindow(_menuWidth, _menuHeight);
    ASSERT(_backbuffer);
}

PopupItem* PopupMenu::GetItem(int32_t i) const
{
    ASSERT(i >= 0);
    ASSERT(i < static_cast<int32_t>(_items.size()));
    return _items[static_cast<size_t>(i)];
}

bool PopupMenu::InButton(int16_t x, int16_t y) const
{
    return x > _x && x < _x + GetButtonWidth() && y > _y && y < _y + GetButtonHeight();
}

bool PopupMenu::InMenu(int16_t x, int16_t y) const
{
    return x > _x && x < _x + _menuWidth && y > _menuTop && y < _menuTop + _menuHeight;
}

void PopupMenu::Draw()
{
    if (!_visible)
        return;
    if (_state == State::Open)
    {
        _looks.Look(1)->Draw(_window, _x, _y, SRCCOPY);
        for (PopupItem* item : _items)
            item->Draw();
        return;
    }
    _looks.Look(0)->Draw(_window, _x, _y, SRCCOPY);
    if (_restore)
    {
        _window->Blit(_backbuffer, 0, 0, _menuWidth, _menuHeight, _x, _menuTop, SRCCOPY);
        _restore = false;
    }
}

bool PopupMenu::OnStylusDown(int16_t x, int16_t y)
{
    if (_state == State::Closed && InButton(x, y))
    {
        GameSound::Click();
        _state = State::Open;
        _backbuffer->Blit(_window, _x, _menuTop, _menuWidth, _menuHeight, 0, 0, SRCCOPY);
        for (PopupItem* item : _items)
            item->ClearHighlight();
        Draw();
    }
    else if (_state == State::Open && InMenu(x, y))
    {
        for (PopupItem* item : _items)
            item->OnStylusDown(x, y);
        Draw();
    }
    else if (_state == State::Open)
    {
        Close();
        Draw();
    }
    return true;
}

bool PopupMenu::OnStylusMove(int16_t x, int16_t y)
{
    if (_state != State::Open)
        return false;
    for (PopupItem* item : _items)
        item->OnStylusMove(x, y);
    Draw();
    return true;
}

bool PopupMenu::OnStylusUp(int16_t x, int16_t y)
{
    if (_state != State::Open || !InMenu(x, y) || InButton(x, y))
        return false;
    Close();
    Draw();
    for (PopupItem* item : _items)
        item->OnStylusUp(x, y);
    return true;
}

void PopupMenu::Close()
{
    if (_state != State::Open)
        return;
    _state = State::Closed;
    _restore = true;
}

void PopupMenu::Disable()
{
    Close();
    _state = State::Disabled;
}

void PopupMenu::Enable()
{
    if (_state == State::Disabled)
        _state = State::Closed;
}

void PopupMenu::Describe(ScreenDump& dump) const
{
    ScreenDump::Button button;
    button.bitmap = _looks.Name();
    button.x = _x;
    button.y = _y;
    button.width = GetButtonWidth();
    button.height = GetButtonHeight();
    button.enabled = _state != State::Disabled;
    button.checked = _state == State::Open;
    dump.buttons.push_back(button);
    if (_state != State::Open)
        return;
    for (const PopupItem* item : _items)
    {
        ScreenDump::Button entry;
        entry.bitmap = item->GetImageName();
        entry.x = item->GetX();
        entry.y = item->GetY();
        entry.width = item->GetLookWidth();
        entry.height = item->GetHeight();
        entry.enabled = !item->IsDisabled();
        dump.buttons.push_back(entry);
    }
}
