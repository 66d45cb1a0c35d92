#include "Common/Gui/Controls/SoundButton.h"

#include "Common/Gui/Controls/GameSound.h"

SoundButton::SoundButton(const char* imagename, int16_t x, int16_t y, Window* parent, Callback* callback,
                         bool enabled)
    : GfxButton(imagename, x, y, parent, callback, enabled, true)
{
}

void SoundButton::Fire()
{
    GameSound::Click();
    GfxButton::Fire();
}
