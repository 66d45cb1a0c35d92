#include "Common/Gui/Forms/GameOptions.h"

#include "Common/Gui/Controls/GameSound.h"
#include "Wkrimp/Config/ConfigBlock.h"

namespace
{
bool s_kilometres = false;
bool s_systemSound = true;
uint32_t s_jumpKey = 0;
uint32_t s_speedUpKey = 0;
uint32_t s_speedDownKey = 0;

uint32_t OrDefault(uint32_t key, uint32_t fallback)
{
    return key != 0 ? key : fallback;
}
} // namespace

void GameOptions::Reset()
{
    GameSound::SetEnabled(true);
    s_kilometres = false;
    s_systemSound = true;
    s_jumpKey = s_speedUpKey = s_speedDownKey = 0;
}

bool GameOptions::IsSoundOn()
{
    return GameSound::IsEnabled();
}

void GameOptions::SetSound(bool on)
{
    GameSound::SetEnabled(on);
}

bool GameOptions::UsesKilometres()
{
    return s_kilometres;
}

void GameOptions::SetKilometres(bool kilometres)
{
    s_kilometres = kilometres;
}

bool GameOptions::GetSystemSound()
{
    return s_systemSound;
}

void GameOptions::SetSystemSound(bool on)
{
    s_systemSound = on;
}

uint32_t GameOptions::JumpKey()
{
    return OrDefault(s_jumpKey, DEFAULT_JUMP_KEY);
}

uint32_t GameOptions::SpeedUpKey()
{
    return OrDefault(s_speedUpKey, DEFAULT_SPEED_UP_KEY);
}

uint32_t GameOptions::SpeedDownKey()
{
    return OrDefault(s_speedDownKey, DEFAULT_SPEED_DOWN_KEY);
}

uint32_t GameOptions::StoredJumpKey()
{
    return s_jumpKey;
}

uint32_t GameOptions::StoredSpeedUpKey()
{
    return s_speedUpKey;
}

uint32_t GameOptions::StoredSpeedDownKey()
{
    return s_speedDownKey;
}

void GameOptions::SetKeys(uint32_t jump, uint32_t speedUp, uint32_t speedDown)
{
    s_jumpKey = jump;
    s_speedUpKey = speedUp;
    s_speedDownKey = speedDown;
}

void GameOptions::Save(ConfigBlock& block)
{
    block.Put("_sound", GameSound::IsEnabled());
    block.Put("_unit", s_kilometres);
    block.Put("_system", s_systemSound);
    block.Put("_speedUpKey", s_speedUpKey);
    block.Put("_speedDownKey", s_speedDownKey);
    block.Put("_jumpNextKey", s_jumpKey);
}

void GameOptions::Load(const ConfigBlock& block)
{
    // Flags are read as bytes: any value but 0 counts as set.
    uint8_t flag = 0;
    if (block.Get("_sound", flag))
        GameSound::SetEnabled(flag != 0);
    if (block.Get("_unit", flag))
        s_kilometres = flag != 0;
    if (block.Get("_system", flag))
        s_systemSound = flag != 0;
    block.Get("_speedUpKey", s_speedUpKey);
    block.Get("_speedDownKey", s_speedDownKey);
    block.Get("_jumpNextKey", s_jumpKey);
}
