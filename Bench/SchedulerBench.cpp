// The scheduler's steady state: one event scheduled and the earliest one fired
// per iteration, with 500 events pending (a large company's fleet in flight).
// The figure is the time of one schedule + fire pair, including the event
// object's allocation and destruction, as in the game.
#include "Common/Backend/ScheduledEvent.h"
#include "Common/Backend/TimeSimulation.h"
#include "WinCE/Random.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace
{
class BenchEvent : public ScheduledEvent
{
public:
    BenchEvent() : ScheduledEvent(203) {}
    int Execute() override { return 0; }
};

constexpr int PENDING = 500;
constexpr uint32_t TABLE_SIZE = 1u << 16;

// Fire times like the game's: each event due minutes to a few weeks after a
// moment that creeps forward by half an hour per event. They are prepared
// before timing starts; when the run wraps around the table, the times move
// on by five years (more than the table spans), so they keep increasing.
const std::vector<Time>& FireTimes()
{
    static const std::vector<Time> times = []
    {
        std::vector<Time> table;
        table.reserve(TABLE_SIZE);
        SRand(1);
        Time cursor(1959, 0, 1);
        for (uint32_t i = 0; i < TABLE_SIZE; ++i)
        {
            cursor = cursor.Add(0, 0, 0, 0, 32, 0);
            const int r = Rand();
            table.push_back(cursor.Add(0, 0, r % 20, (r >> 5) % 24, (r >> 3) % 60, 0));
        }
        return table;
    }();
    return times;
}

Time FireTime(uint64_t n)
{
    Time t = FireTimes()[n % TABLE_SIZE];
    t._year += static_cast<int32_t>(n / TABLE_SIZE) * 5;
    return t;
}

void BM_ScheduleAndFire(benchmark::State& state)
{
    TimeSimulation simulation;
    uint64_t n = 0;
    for (; n < PENDING; ++n)
    {
        BenchEvent* event = new BenchEvent();
        event->_time = FireTime(n);
        TimeSimulation::Schedule(event);
    }
    // The clock stands far beyond every fire time the run can reach, so the
    // earliest event is always due and the queue stays at 500; the year check
    // of Advance is not involved.
    TimeSimulation::SetCurrGameTime(Time(1000000, 0, 1));
    for (auto _ : state)
    {
        BenchEvent* event = new BenchEvent();
        event->_time = FireTime(n++);
        TimeSimulation::Schedule(event);
        benchmark::DoNotOptimize(TimeSimulation::FireDue());
    }
    state.counters["pending"] = TimeSimulation::GetEventCount();
}
BENCHMARK(BM_ScheduleAndFire);
} // namespace
