// MenuBar: the bar at the bottom of the device screen that belongs to a form.
//
// Every form has one. A bar made without a menu resource (id 0) is empty; the
// game's menu resource 102 holds one menu, "Menu", with the commands
// "Main menu" (40001) and "Exit" (40010). The device screen draws the bar of
// the top form across the bottom MENU_BAR_HEIGHT pixels and hands it the
// stylus there: a tap on "Menu" opens the menu upwards, a tap on an item
// closes it and delivers the item's command to the form as OnCommand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Form;
class Window;

constexpr uint16_t MENU_RESOURCE_GAME = 102;
constexpr uint16_t COMMAND_MAIN_MENU = 40001;
constexpr uint16_t COMMAND_EXIT = 40010;

class MenuBar
{
public:
    struct Item
    {
        uint16_t id;
        std::string text;
        bool checked;
    };

    MenuBar(Form* form, uint16_t menuId, bool hideInputPanel);
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    bool HasMenu() const { return _hasMenu; }
    uint16_t GetMenuId() const { return _menuId; }
    const std::vector<Item>& GetItems() const { return _items; }
    const char* GetMenuTitle() const { return _title.c_str(); }

    void CheckMenuItem(uint16_t id, bool checked);
    void CheckMenuRadioItem(uint16_t item, uint16_t first, uint16_t last);

    bool IsOpen() const { return _open; }
    void Close();

    // Stylus in device-screen coordinates; true when the bar (or its open
    // menu) took the event. A chosen command is sent to the form.
    bool OnStylusDown(int32_t x, int32_t y);
    bool OnStylusMove(int32_t x, int32_t y);
    bool OnStylusUp(int32_t x, int32_t y);
    // True while the bar holds the stylus (pressed on it, or a menu is open).
    bool HasCapture() const { return _pressed || _open; }

    // Draws the bar (and the open menu) on the device screen.
    void Draw(Window* screen) const;

    // Where the "Menu" button and the items lie on the device screen.
    int32_t ButtonWidth() const;
    int32_t ItemAt(int32_t x, int32_t y) const;
    int32_t MenuTop() const;
    int32_t MenuWidth() const;

    static constexpr int32_t ITEM_HEIGHT = 18;

private:
    bool OnButton(int32_t x, int32_t y) const;

    Form* _form;
    uint16_t _menuId;
    bool _hasMenu;
    std::string _title;
    std::vector<Item> _items;
    bool _open = false;
    bool _pressed = false;
    int32_t _highlight = -1;
};
