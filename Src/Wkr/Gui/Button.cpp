#include "Wkr/Gui/Button.h"

#include "WinCE/Assert.h"

Button::Button(Callback* callback, bool enabled, bool candisable)
    : _enabled(enabled), _candisable(candisable), _callback(callback)
{
    if (!candisable)
        ASSERT(enabled && "Cannot disable this button");
}

Button::~Button()
{
    delete _callback;
}

void Button::SetCallback(Callback* callbackptr)
{
    ASSERT(callbackptr);
    if (callbackptr == _callback)
        return;
    delete _callback;
    _callback = callbackptr;
}

void Button::Draw()
{
    if (!_visible)
        return;
    if (_enabled)
    {
        if (_pressed && _inside)
            DrawPressed();
        else
            DrawNormal();
    }
    else
        DrawDisabled();
}

bool Button::OnStylusDown(int16_t x, int16_t y)
{
    _inside = HitTest(x, y);
    _pressed = _enabled && _inside;
    if (_pressed)
        Draw();
    return _pressed;
}

bool Button::OnStylusMove(int16_t x, int16_t y)
{
    _inside = HitTest(x, y);
    if (_enabled && _pressed)
        Draw();
    return _enabled && _pressed;
}

bool Button::OnStylusUp(int16_t x, int16_t y)
{
    _inside = HitTest(x, y);
    const bool fire = _pressed && _inside;
    const bool wasPressed = _pressed;
    _pressed = false;
    if (fire)
    {
        Draw();
        Fire();
    }
    return wasPressed;
}

void Button::Disable()
{
    if (!_candisable)
    {
        ASSERT(false && "Cannot disable this button");
        return;
    }
    _enabled = false;
    _pressed = false;
}

void Button::Enable()
{
    _enabled = true;
}

void Button::Fire()
{
    ASSERT(_callback);
    if (_callback)
        _callback->Invoke();
}

void Button::DrawPressed() {}

void Button::DrawNormal() {}

void Button::DrawDisabled() {}

bool Button::HitTest(int16_t, int16_t)
{
    return false;
}
