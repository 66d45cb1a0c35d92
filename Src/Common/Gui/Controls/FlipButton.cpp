#include "Common/Gui/Controls/FlipButton.h"

#include "WinCE/TickCount.h"

FlipButton::FlipButton(const char* imagename, int16_t x, int16_t y, Window* parent, Callback* callback,
                       bool enabled)
    : SoundButton(imagename, x, y, parent, callback, enabled)
{
}

bool FlipButton::OnStylusDown(int16_t x, int16_t y)
{
    _lastTick = GetTickCount();
    _armed = false;
    return SoundButton::OnStylusDown(x, y);
}

bool FlipButton::Update()
{
    if (!_pressed)
        return false;
    if (!_armed)
    {
        _armed = true;
        return true;
    }
    // Unsigned difference: correct across the wrap of the tick count.
    const uint32_t now = GetTickCount();
    if (now - _lastTick > REPEAT_MS)
    {
        _lastTick = now;
        Fire();
    }
    return true;
}

bool FlipButton::OnStylusUp(int16_t x, int16_t y)
{
    _armed = false;
    return SoundButton::OnStylusUp(x, y);
}
