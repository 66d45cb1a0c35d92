// The game's one source of chance: the classic C-library generator, so that
// every chance window of the game sees the same numbers as on the device.
//
// x = x * 214013 + 2531011; the result is bits 16..30 of x (0..32767).
// The state starts at 1, as the C library's does before the first seed.
// Game code never calls std::rand or <random>.
#pragma once

#include <cstdint>

constexpr int RAND_LIMIT = 32767;

int Rand();
void SRand(uint32_t seed);

// The raw generator state, for saving a reproducible session and for tests.
uint32_t GetRandState();
void SetRandState(uint32_t state);
