// A whole game of events, 1959 to 2003, headless: a company with a fleet on
// routes across the world, every event firing at its own time, notices
// answered at once (damage repaired, crashed planes replaced, offers taken).
// Reports the events fired and the events per second of wall time.
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventRegistry.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/NoticeSink.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/TimeSimulation.h"
#include "WinCE/Random.h"
#include "WinCE/TickCount.h"

#include "BenchWorld.h"
#include "Common/Backend/Events/CarefulPlayer.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
void WholeGame(benchmark::State& state)
{
    const TestTables tables = bench::WholeGameTables();
    const int32_t planes = static_cast<int32_t>(state.range(0));
    int64_t events = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        FakeClock clock(1000);
        std::string error;
        TestWorld world;
        if (!world.Create(tables, &error))
        {
            state.SkipWithError(error.c_str());
            return;
        }
        world.StartScheduler();
        CarefulPlayer player;
        world.SendNoticesTo(&player);
        SRand(1);
        GameState::NewGame("Bench Air", 0);
        Company& company = *Enviroment::GetCompany();
        const Time start = TimeSimulation::GetCurrGameTime();
        company.Earn(100000000000LL, false);
        // Routes across the world: every airport flies to its nearest
        // neighbours, up to four routes out of each.
        for (int32_t i = 0; i < planes; ++i)
        {
            const int32_t from = i % Enviroment::AIRPORT_COUNT;
            const int32_t to = Enviroment::GetNeighbour(from, (i / Enviroment::AIRPORT_COUNT) * 2);
            const int32_t model = Enviroment::CheapestModelFor(Enviroment::GetDistance(from, to));
            Plane* plane = model >= 0 ? company.BuyPlane(model, "Liner", start) : nullptr;
            if (plane && company.MayOpenRoute(from, to))
                company.OpenRoute(plane, from, to, 1, 1, start);
        }
        uint32_t ticks = 1;
        state.ResumeTiming();

        events += GameState::RunUntil(Time(2003, 0, 2),
                                      [&]
                                      {
                                          player.Answer();
                                          ticks = ticks * 1103515245u + 12345u;
                                          clock.Advance(1 + (ticks >> 16) % 4000);
                                          return player.gameOver == 0 ||
                                                 player.gameOver == Notices::GAME_OVER_FINAL_YEAR;
                                      });

        state.PauseTiming();
        world.Destroy();
        state.ResumeTiming();
    }
    state.counters["events"] =
        benchmark::Counter(static_cast<double>(events), benchmark::Counter::kAvgIterations);
    state.counters["events_per_s"] =
        benchmark::Counter(static_cast<double>(events), benchmark::Counter::kIsRate);
}
} // namespace

BENCHMARK(WholeGame)->Arg(4)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(1);
