// GameOptions: the player's settings that the whole game reads.
//
// Sound (the melodies and the controls' clicks; the flag itself is the one
// GameSound keeps), the distance unit of every figure on screen, the system
// sound mark, and the three redefinable game keys: skip to the next notice,
// speed up, speed down. A key of 0 is unset and reads as its default. The
// options are saved as the "OptionsForm" block of the main form, in the
// order "_sound", "_unit", "_system", "_speedUpKey", "_speedDownKey",
// "_jumpNextKey"; loading applies each key that is present.
#pragma once

#include <cstdint>

class ConfigBlock;

class GameOptions
{
public:
    // Key bits of the device's start button and game buttons A and B.
    static constexpr uint32_t DEFAULT_JUMP_KEY = 0x80000;
    static constexpr uint32_t DEFAULT_SPEED_UP_KEY = 0x20000;
    static constexpr uint32_t DEFAULT_SPEED_DOWN_KEY = 0x10000;

    // Back to the defaults: sound on, miles, system sound, keys unset.
    static void Reset();

    static bool IsSoundOn();
    static void SetSound(bool on);
    // True: kilometres and km/h; false: miles and mph.
    static bool UsesKilometres();
    static void SetKilometres(bool kilometres);
    static bool GetSystemSound();
    static void SetSystemSound(bool on);

    // The keys in force (the default while unset).
    static uint32_t JumpKey();
    static uint32_t SpeedUpKey();
    static uint32_t SpeedDownKey();
    // The stored keys, 0 while unset.
    static uint32_t StoredJumpKey();
    static uint32_t StoredSpeedUpKey();
    static uint32_t StoredSpeedDownKey();
    static void SetKeys(uint32_t jump, uint32_t speedUp, uint32_t speedDown);

    static void Save(ConfigBlock& block);
    static void Load(const ConfigBlock& block);
};
