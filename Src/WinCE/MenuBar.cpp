#include "WinCE/MenuBar.h"

#include "WinCE/Assert.h"
#include "WinCE/Form.h"
#include "WinCE/Host/Host.h"
#include "WinCE/SystemFont.h"
#include "WinCE/Window.h"

namespace
{
constexpr uint32_t BAR_COLOUR = RGB(214, 222, 239);
constexpr uint32_t BAR_LINE = RGB(90, 100, 130);
constexpr uint32_t MENU_FACE = COLOR_WHITE;
constexpr int32_t BAR_TOP = DEVICE_HEIGHT - MENU_BAR_HEIGHT;
} // namespace

MenuBar::MenuBar(Form* form, uint16_t menuId, bool hideInputPanel)
    : _form(form), _menuId(menuId), _hasMenu(false)
{
    (void)hideInputPanel;
    ASSERT(form && "a menu bar belongs to a form");
    if (menuId == MENU_RESOURCE_GAME)
    {
        _hasMenu = true;
        _title = "Menu";
        _items.push_back({COMMAND_MAIN_MENU, "Main menu", false});
        _items.push_back({COMMAND_EXIT, "Exit", false});
    }
    // Any other id names no menu resource of this program: the bar stays empty.
}

MenuBar::~MenuBar() = default;

void MenuBar::CheckMenuItem(uint16_t id, bool checked)
{
    if (!_hasMenu)
        return;
    for (auto& item : _items)
    {
        if (item.id == id)
        {
            item.checked = checked;
            return;
        }
    }
    ASSERT(false && "result!=0xffffffff");
}

void MenuBar::CheckMenuRadioItem(uint16_t item, uint16_t first, uint16_t last)
{
    if (!_hasMenu)
        return;
    bool found = false;
    for (auto& entry : _items)
    {
        if (entry.id >= first && entry.id <= last)
        {
            entry.checked = entry.id == item;
            found = found || entry.id == item;
        }
    }
    ASSERT(found && "result");
}

int32_t MenuBar::ButtonWidth() const
{
    return SystemFont::MeasureText(_title.c_str()) + 16;
}

int32_t MenuBar::MenuWidth() const
{
    int32_t width = 0;
    for (const auto& item : _items)
    {
        const int32_t w = SystemFont::MeasureText(item.text.c_str());
        if (w > width)
            width = w;
    }
    return width + 28;
}

int32_t MenuBar::MenuTop() const
{
    return BAR_TOP - static_cast<int32_t>(_items.size()) * ITEM_HEIGHT - 2;
}

bool MenuBar::OnButton(int32_t x, int32_t y) const
{
    return _hasMenu && y >= BAR_TOP && y < DEVICE_HEIGHT && x >= 0 && x < ButtonWidth();
}

int32_t MenuBar::ItemAt(int32_t x, int32_t y) const
{
    if (!_open || x < 0 || x >= MenuWidth())
        return -1;
    const int32_t top = MenuTop() + 1;
    if (y < top)
        return -1;
    const int32_t index = (y - top) / ITEM_HEIGHT;
    return index < static_cast<int32_t>(_items.size()) ? index : -1;
}

void MenuBar::Close()
{
    _open = false;
    _pressed = false;
    _highlight = -1;
}

bool MenuBar::OnStylusDown(int32_t x, int32_t y)
{
    if (_open)
    {
        _highlight = ItemAt(x, y);
        if (_highlight < 0 && !OnButton(x, y))
            Close(); // a tap elsewhere closes the menu and does nothing else
        else
            _pressed = true;
        return true;
    }
    if (y < BAR_TOP)
        return false;
    if (OnButton(x, y))
    {
        _open = true;
        _pressed = true;
        _highlight = -1;
    }
    // The bar swallows taps on its empty parts.
    return true;
}

bool MenuBar::OnStylusMove(int32_t x, int32_t y)
{
    if (!_open)
        return _pressed;
    _highlight = ItemAt(x, y);
    return true;
}

bool MenuBar::OnStylusUp(int32_t x, int32_t y)
{
    if (!_open)
    {
        const bool was = _pressed;
        _pressed = false;
        return was || y >= BAR_TOP;
    }
    _pressed = false;
    const int32_t index = ItemAt(x, y);
    if (index >= 0)
    {
        const uint16_t id = _items[static_cast<size_t>(index)].id;
        Close();
        FormMessage command;
        command.kind = FormMessage::Command;
        command.param = id;
        command.code = 0;
        Form::Dispatch(_form, command);
    }
    // Releasing on the button leaves the menu open for a choice.
    return true;
}

void MenuBar::Draw(Window* screen) const
{
    screen->FillSolid(Rect{{0, BAR_TOP}, {DEVICE_WIDTH, MENU_BAR_HEIGHT}}, BAR_COLOUR);
    screen->FillSolid(Rect{{0, BAR_TOP}, {DEVICE_WIDTH, 1}}, BAR_LINE);
    if (!_hasMenu)
        return;
    const int32_t textY = BAR_TOP + (MENU_BAR_HEIGHT - SystemFont::CELL_HEIGHT) / 2;
    if (_open)
        screen->FillSolid(Rect{{0, BAR_TOP + 1}, {ButtonWidth(), MENU_BAR_HEIGHT - 1}}, BAR_LINE);
    screen->DrawString(8, textY, _title.c_str(), SRCCOPY);
    if (!_open)
        return;
    const int32_t top = MenuTop();
    const int32_t width = MenuWidth();
    const int32_t height = static_cast<int32_t>(_items.size()) * ITEM_HEIGHT + 2;
    screen->FillSolid(Rect{{0, top}, {width, height}}, BAR_LINE);
    screen->FillSolid(Rect{{1, top + 1}, {width - 2, height - 2}}, MENU_FACE);
    for (size_t i = 0; i < _items.size(); ++i)
    {
        const int32_t y = top + 1 + static_cast<int32_t>(i) * ITEM_HEIGHT;
        const int32_t ty = y + (ITEM_HEIGHT - SystemFont::CELL_HEIGHT) / 2;
        screen->DrawString(16, ty, _items[i].text.c_str(), SRCCOPY);
        if (_items[i].checked)
            screen->DrawString(4, ty, "*", SRCCOPY);
        if (static_cast<int32_t>(i) == _highlight)
            screen->InvertRect(Rect{{2, y + 1}, {width - 5, ITEM_HEIGHT - 3}}, 0);
    }
}
