// WaveResource: the program's own wave sounds, found by resource number.
//
// The game program carries its WAV files (118 good, 119 high score,
// 121 highlight, 122 bad, 123 click) compiled in; the build generates the
// table that registers them at start. `Play` hands a sound to the host,
// which replaces whatever is playing; an unknown number plays nothing.
#pragma once

#include <cstddef>
#include <cstdint>

class WaveResource
{
public:
    // Makes the bytes known under the number (they must live for the run).
    static void Register(int32_t id, const uint8_t* data, size_t size);
    // True and the bytes when the number is known.
    static bool Find(int32_t id, const uint8_t** data, size_t* size);
    // Plays the sound asynchronously; false when it is unknown.
    static bool Play(int32_t id);
};
