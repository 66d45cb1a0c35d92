// SoundButton: the game's image button; it clicks when it fires.
//
// Every bitmap button of the game is one of these: a three-look strip
// (normal, pressed, disabled) that may always be disabled. Firing plays the
// click sound (when the sound option is on) and then runs the action.
#pragma once

#include "Wkr/Gui/GfxButton.h"

class SoundButton : public GfxButton
{
public:
    SoundButton(const char* imagename, int16_t x, int16_t y, Window* parent, Callback* callback,
                bool enabled);

    void Fire() override;
};
