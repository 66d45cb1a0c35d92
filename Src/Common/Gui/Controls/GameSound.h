// GameSound: the two sounds every control makes, and the sound option.
//
// Buttons click (wave resource 123) when they fire and list rows and pop-up
// entries make the highlight sound (121) when the stylus moves onto them.
// Both play only while the sound option is on; the option is one flag for the
// whole process, switched by the options screen. Sounds play asynchronously
// through the host, each replacing whatever is still playing.
#pragma once

#include <cstdint>

class GameSound
{
public:
    static constexpr int32_t CLICK = 123;
    static constexpr int32_t HIGHLIGHT = 121;

    static void SetEnabled(bool on);
    static bool IsEnabled();

    static void Click();
    static void Highlight();

    // Plays the wave resource when the sound option is on.
    static void Play(int32_t id);
};
