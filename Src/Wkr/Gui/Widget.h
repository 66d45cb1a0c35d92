// Widget: the base of every self-drawn control of the game's screens.
//
// Widgets draw themselves on their form's surface and take the stylus in the
// form's client coordinates. A widget that wants every stylus event for a
// while (a drag in progress) reports HasCapture; the WidgetList it lives in
// then sends events only to capturing widgets.
#pragma once

#include <cstdint>

struct ScreenDump;

class Widget
{
public:
    Widget() = default;
    virtual ~Widget();
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    // Periodic work; true when the widget changed.
    virtual bool Update();
    virtual void Draw();
    virtual bool OnStylusMove(int16_t x, int16_t y);
    virtual bool OnStylusUp(int16_t x, int16_t y);
    virtual bool OnStylusDown(int16_t x, int16_t y);
    virtual void Disable();
    virtual void Enable();
    virtual bool HasCapture();
    // True while the widget lies open over the others (a pop-up menu, a
    // dropped list): the list it lives in then gives it alone the stylus.
    virtual bool IsOverlayOpen() const;
    // Adds what the widget shows (buttons, list rows) to a screen dump.
    virtual void Describe(ScreenDump& dump) const;

    bool IsVisible() const { return _visible; }
    void SetVisible(bool visible) { _visible = visible; }

protected:
    bool _visible = true;
};
