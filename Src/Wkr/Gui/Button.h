// Button: press-and-release logic shared by every clickable widget.
//
// The action runs only when the stylus goes down and comes up on the same
// enabled button; sliding off before releasing cancels it. While pressed the
// button shows its pressed look only while the stylus is over it. Subclasses
// supply the looks and the hit test.
#pragma once

#include "Wkr/Gui/Callback.h"
#include "Wkr/Gui/Widget.h"

class Button : public Widget
{
public:
    // `callback` is owned. A button that cannot be disabled must start enabled.
    Button(Callback* callback, bool enabled, bool candisable);
    ~Button() override;

    void Draw() override;
    bool OnStylusMove(int16_t x, int16_t y) override;
    bool OnStylusUp(int16_t x, int16_t y) override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    void Disable() override;
    void Enable() override;

    virtual void Fire();
    virtual void DrawPressed();
    virtual void DrawNormal();
    virtual void DrawDisabled();
    virtual bool HitTest(int16_t x, int16_t y);

    // Replaces (and deletes) the action; the new one must not be null.
    void SetCallback(Callback* callbackptr);

    bool IsEnabled() const { return _enabled; }
    bool IsPressed() const { return _pressed; }
    bool IsInside() const { return _inside; }
    bool CanDisable() const { return _candisable; }

protected:
    bool _inside = false;
    bool _pressed = false;
    bool _enabled;
    bool _candisable;
    Callback* _callback;
};
