#include "WinCE/TickCount.h"

#include <chrono>

namespace
{
uint32_t SystemTicks(void*)
{
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

TickSource s_tickSource = SystemTicks;
void* s_tickContext = nullptr;
} // namespace

uint32_t GetTickCount()
{
    return s_tickSource(s_tickContext);
}

void SetTickSource(TickSource source, void* context)
{
    s_tickSource = source ? source : SystemTicks;
    s_tickContext = source ? context : nullptr;
}

FakeClock::FakeClock(uint32_t start) : _now(start), _previousSource(s_tickSource), _previousContext(s_tickContext)
{
    SetTickSource(Read, this);
}

FakeClock::~FakeClock()
{
    SetTickSource(_previousSource, _previousContext);
}

uint32_t FakeClock::Read(void* context)
{
    return static_cast<FakeClock*>(context)->_now;
}
