#include "Common/Gui/Controls/GameSound.h"

#include "WinCE/Host/Host.h"

#include "WinCE/WaveResource.h"

namespace
{
bool s_soundOn = true;
} // namespace

void GameSound::SetEnabled(bool on)
{
    s_soundOn = on;
}

bool GameSound::IsEnabled()
{
    return s_soundOn;
}

void GameSound::Click()
{
    Play(CLICK);
}

void GameSound::Highlight()
{
    Play(HIGHLIGHT);
}

void GameSound::Play(int32_t id)
{
    if (!s_soundOn)
        return;
    if (WaveResource::Play(id))
        return;
    // A sound whose bytes are not built into this program is still reported,
    // so that a host without audio data records what would have played.
    if (Host* host = GetHost())
        host->PlaySound(id, nullptr, 0);
}
