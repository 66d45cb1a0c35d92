// The simulation model's busiest operations at a late-game fleet: 100 planes
// on routes out of 25 researched airports. A take-off (passengers, revenue,
// bookkeeping) runs for every plane about twice a day of game time, the
// company worth every day and for every credit screen, and the whole world
// is saved at each exit. Figures per operation.
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Statistics.h"

#include "Common/Backend/TestWorld.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
// Builds the late-game world once per benchmark run.
class LateGame
{
public:
    LateGame()
    {
        TestTables tables;
        for (int32_t i = 0; i < AVAIL_MODELS; ++i)
            tables.models[i] = TestModel{"", 1950, 1990, 100000 + 1000 * int64_t(i), 700, 6000, 120 + i, 24};
        tables.SpreadNeighbours(800, 400);
        std::string error;
        _world.Create(tables, &error);
        Enviroment::RaiseCostIndex(2 * 12 * 40);
        Company* c = Enviroment::GetCompany();
        c->Earn(100000000000LL, false);
        const Time now(1999, 0, 1);
        for (int32_t a = 0; a < 25; ++a)
            c->Research(a * 5, true, now);
        for (int32_t p = 0; p < 100; ++p)
        {
            Plane* plane = c->BuyPlane(p % AVAIL_MODELS, "Plane" + std::to_string(p), now);
            const int32_t source = (p % 25) * 5;
            c->OpenRoute(plane, source, Enviroment::GetNeighbour(source, p / 25), 1, 1, now);
        }
    }

private:
    TestWorld _world;
};

void BM_TakeOff(benchmark::State& state)
{
    LateGame world;
    Company* c = Enviroment::GetCompany();
    int32_t i = 0;
    for (auto _ : state)
    {
        Plane* plane = c->GetPlane(i++ % 100);
        benchmark::DoNotOptimize(c->DepartureBookkeeping(plane));
        c->Landing(plane);
    }
}
BENCHMARK(BM_TakeOff);

void BM_CompanyWorth(benchmark::State& state)
{
    LateGame world;
    const Company* c = Enviroment::GetCompany();
    for (auto _ : state)
        benchmark::DoNotOptimize(c->Worth(Time(2001, 5, 1)));
}
BENCHMARK(BM_CompanyWorth);

void BM_SaveWorld(benchmark::State& state)
{
    LateGame world;
    size_t bytes = 0;
    for (auto _ : state)
    {
        ConfigBlock block;
        Enviroment::Save(block);
        bytes = static_cast<size_t>(block.GetSize());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveWorld);
} // namespace
