#include "Common/Gui/Controls/SpeedSlider.h"

#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Rect.h"
#include "WinCE/ScreenDump.h"
#include "WinCE/Window.h"
#include "Wkr/Gui/Callback.h"

#include <cstdlib>

SpeedSlider::SpeedSlider(int16_t x, int16_t y, Window* window, const char* panelImage, const char* knobImage,
                         const int32_t* stops, int32_t count, Callback* callback)
    : _x(x), _y(y), _window(window), _panel(new Bitmap(panelImage)), _knob(knobImage, 3), _stops(stops),
      _count(count), _callback(callback)
{
    ASSERT(count > 1 && "a slider needs two stops at least");
    ASSERT(callback && "the slider reports its changes");
}

SpeedSlider::~SpeedSlider()
{
    delete _callback;
    delete _panel;
}

void SpeedSlider::Draw()
{
    _panel->Draw(_window, _x, _y, SRCCOPY);
    _knob.Look(_dragging ? 1 : 0)->Draw(_window, _x + _stops[_position], _y, SRCCOPY);
}

void SpeedSlider::Describe(ScreenDump& dump) const
{
    ScreenDump::Button knob;
    knob.bitmap = "sr_ScrollVertical_bar.bmp";
    knob.x = _x + _stops[_position];
    knob.y = _y;
    knob.width = _knob.Width();
    knob.height = _knob.Height();
    dump.buttons.push_back(knob);
}

void SpeedSlider::SetPosition(int32_t position)
{
    ASSERT(position >= 0 && position < _count && "slider position out of range");
    _position = position;
    Draw();
}

bool SpeedSlider::Inside(int16_t x, int16_t y) const
{
    return x >= _x && x < _x + _panel->GetImgRect().extent.x && y >= _y && y < _y + _panel->GetImgRect().extent.y;
}

int32_t SpeedSlider::NearestStop(int16_t x) const
{
    const int32_t centre = _knob.Width() / 2;
    int32_t best = 0;
    for (int32_t i = 1; i < _count; ++i)
    {
        if (std::abs(x - (_x + _stops[i] + centre)) < std::abs(x - (_x + _stops[best] + centre)))
            best = i;
    }
    return best;
}

void SpeedSlider::Follow(int16_t x)
{
    const int32_t stop = NearestStop(x);
    if (stop == _position)
    {
        Draw();
        return;
    }
    _position = stop;
    Draw();
    _callback->Invoke();
}

bool SpeedSlider::OnStylusDown(int16_t x, int16_t y)
{
    if (!Inside(x, y))
        return false;
    _dragging = true;
    Follow(x);
    return true;
}

bool SpeedSlider::OnStylusMove(int16_t x, int16_t)
{
    if (!_dragging)
        return false;
    Follow(x);
    return true;
}

bool SpeedSlider::OnStylusUp(int16_t x, int16_t)
{
    if (!_dragging)
        return false;
    _dragging = false;
    Follow(x);
    return true;
}
