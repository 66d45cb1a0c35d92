// SpeedSlider: a knob that slides along a panel and stops at a few
// positions (the game speed on the Time & Cash screen).
//
// The panel is drawn at (x, y) and the knob (a three-look strip: normal,
// pressed, disabled) on it at the stop of the current position. A tap on the
// panel moves the knob to the nearest stop; dragging follows the stylus from
// stop to stop. Each change of position runs the callback once. The screen
// can also set the position itself, without the callback.
#pragma once

#include "Wkr/Gui/LookStrip.h"
#include "Wkr/Gui/Widget.h"

#include <cstdint>

class Bitmap;
class Callback;
class Window;

class SpeedSlider : public Widget
{
public:
    // `stops` are the knob's left edges relative to x; `callback` is owned.
    SpeedSlider(int16_t x, int16_t y, Window* window, const char* panelImage, const char* knobImage,
                const int32_t* stops, int32_t count, Callback* callback);
    ~SpeedSlider() override;

    void Draw() override;
    bool OnStylusMove(int16_t x, int16_t y) override;
    bool OnStylusUp(int16_t x, int16_t y) override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    bool HasCapture() override { return _dragging; }
    void Describe(ScreenDump& dump) const override;

    int32_t GetPosition() const { return _position; }
    int32_t GetCount() const { return _count; }
    // Moves the knob and redraws it; the callback does not run.
    void SetPosition(int32_t position);

private:
    bool Inside(int16_t x, int16_t y) const;
    int32_t NearestStop(int16_t x) const;
    // Moves to the stop nearest x and runs the callback when it changed.
    void Follow(int16_t x);

    int16_t _x;
    int16_t _y;
    Window* _window;
    Bitmap* _panel;
    // Normal and pressed are the first two thirds of the strip.
    LookStrip _knob;
    const int32_t* _stops;
    int32_t _count;
    Callback* _callback;
    int32_t _position = 0;
    bool _dragging = false;
};
