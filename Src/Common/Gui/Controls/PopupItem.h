// PopupItem: one entry of a pop-up menu.
//
// An entry is a three-look strip (normal, highlighted, disabled). It lights
// up while the stylus is over it, with the highlight sound as it lights, and
// runs its action when the stylus is released over it. An entry never draws
// by itself: the menu that owns it draws it, so that the menu can restore
// what lay beneath it after closing.
#pragma once

#include "Wkr/Gui/LookStrip.h"

#include <cstdint>
#include <functional>
#include <string>

class Bitmap;
class Window;

class PopupItem
{
public:
    using Action = std::function<void(PopupItem*)>;

    PopupItem(Window* window, int16_t x, int16_t y, const char* imagename, Action action, bool disabled);
    ~PopupItem();
    PopupItem(const PopupItem&) = delete;
    PopupItem& operator=(const PopupItem&) = delete;

    void Draw();
    void OnStylusMove(int16_t x, int16_t y);
    void OnStylusDown(int16_t x, int16_t y);
    void OnStylusUp(int16_t x, int16_t y);

    // True when the point lies on the item's look.
    bool Contains(int16_t x, int16_t y) const;

    void SetDisabled(bool disabled) { _disabled = disabled; }
    bool IsDisabled() const { return _disabled; }
    bool IsHighlighted() const { return _highlighted; }
    void ClearHighlight() { _highlighted = false; }
    int16_t GetX() const { return _x; }
    int16_t GetY() const { return _y; }
    int32_t GetLookWidth() const;
    int32_t GetHeight() const;
    // The width of the whole strip the looks are cut from.
    int32_t GetImageWidth() const;
    const std::string& GetImageName() const { return _looks.Name(); }

private:
    void Track(int16_t x, int16_t y);

    Window* _window;
    int16_t _x;
    int16_t _y;
    // Normal, highlighted and disabled.
    LookStrip _looks;
    Action _action;
    bool _disabled;
    bool _highlighted = false;
};
