// FlipButton: a sound button that repeats its action while it is held.
//
// Used for the plus and minus buttons of amounts. Pressing records the tick;
// the first Update while pressed arms the repeat, and from then on every
// Update fires the action once more than 1000 ms have passed since the last
// recorded tick. Releasing disarms the repeat and then behaves as any button
// release, so a release over the button fires once more. Update reports a
// change while the button is held, which keeps the form's idle calls coming.
#pragma once

#include "Common/Gui/Controls/SoundButton.h"

class FlipButton : public SoundButton
{
public:
    static constexpr uint32_t REPEAT_MS = 1000;

    FlipButton(const char* imagename, int16_t x, int16_t y, Window* parent, Callback* callback, bool enabled);

    bool Update() override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    bool OnStylusUp(int16_t x, int16_t y) override;

    bool IsArmed() const { return _armed; }

private:
    bool _armed = false;
    uint32_t _lastTick = 0;
};
