// PopupMenu: a button that opens a menu of entries stacked upward above it.
//
// The button strip holds two looks, closed and open. Entries are added
// bottom first; each new one goes on top of the others at the button's x.
// Opening saves what the menu area covers into the menu's own back buffer;
// closing marks it for restoring, and the next Draw puts it back. A tap
// anywhere outside the open menu closes it without running anything; a
// release over an entry closes the menu and then runs that entry.
#pragma once

#include "Common/Gui/Controls/PopupItem.h"
#include "Wkr/Gui/Widget.h"

#include <string>
#include <vector>

class Bitmap;
class OffscreenWindow;
class Window;

class PopupMenu : public Widget
{
public:
    enum class State
    {
        Closed,
        Open,
        Disabled
    };

    PopupMenu(int16_t x, int16_t y, const char* imagename, Window* window);
    ~PopupMenu() override;

    // Adds an entry above those already present.
    PopupItem* AddItem(const char* imagename, PopupItem::Action action, bool disabled);
    PopupItem* GetItem(int32_t i) const;
    int32_t GetItemCount() const { return static_cast<int32_t>(_items.size()); }

    void Draw() override;
    bool OnStylusMove(int16_t x, int16_t y) override;
    bool OnStylusUp(int16_t x, int16_t y) override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    void Disable() override;
    void Enable() override;
    bool IsOverlayOpen() const override { return IsOpen(); }
    // The button (checked while open) and, while open, every entry as a
    // button of its own, enabled unless the entry is disabled.
    void Describe(ScreenDump& dump) const override;

    // Closes an open menu (restoring the background at the next Draw).
    void Close();

    State GetState() const { return _state; }
    bool IsOpen() const { return _state == State::Open; }
    int16_t GetMenuTop() const { return _menuTop; }
    int16_t GetMenuHeight() const { return _menuHeight; }
    int16_t GetMenuWidth() const { return _menuWidth; }
    int32_t GetButtonWidth() const;
    int32_t GetButtonHeight() const;

private:
    bool InButton(int16_t x, int16_t y) const;
    bool InMenu(int16_t x, int16_t y) const;
    void RebuildBackBuffer();

    int16_t _x;
    int16_t _y;
    Window* _window;
    // Closed and open.
    LookStrip _looks;
    std::vector<PopupItem*> _items;
    State _state = State::Closed;
    int16_t _menuTop;
    int16_t _menuHeight = 0;
    int16_t _menuWidth = 0;
    OffscreenWindow* _backbuffer = nullptr;
    bool _restore = false;
};
