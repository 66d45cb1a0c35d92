// The platform tick count: milliseconds as an unsigned 32-bit number that
// wraps, read by the scheduler to turn real time into game time.
//
// The tick source belongs to the host (the desktop host reads a monotonic
// clock). Tests and scripts install a FakeClock and advance it by hand, so a
// run with a fixed seed is reproducible to the byte.
#pragma once

#include <cstdint>

using TickSource = uint32_t (*)(void* context);

// Milliseconds since some fixed moment, wrapping at 2^32.
uint32_t GetTickCount();

// Installs a tick source; null restores the monotonic system clock.
void SetTickSource(TickSource source, void* context);

// A clock that moves only when told to. While it exists it is the tick source;
// its destructor restores whatever source was installed before.
class FakeClock
{
public:
    explicit FakeClock(uint32_t start = 0);
    ~FakeClock();
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    void Advance(uint32_t milliseconds) { _now += milliseconds; }
    void Set(uint32_t now) { _now = now; }
    uint32_t Now() const { return _now; }

private:
    static uint32_t Read(void* context);

    uint32_t _now;
    TickSource _previousSource;
    void* _previousContext;
};
