#include "WinCE/Random.h"

namespace
{
uint32_t s_randState = 1;
}

int Rand()
{
    s_randState = s_randState * 214013u + 2531011u;
    return static_cast<int>((s_randState >> 16) & 0x7FFF);
}

void SRand(uint32_t seed)
{
    s_randState = seed;
}

uint32_t GetRandState()
{
    return s_randState;
}

void SetRandState(uint32_t state)
{
    s_randState = state;
}
