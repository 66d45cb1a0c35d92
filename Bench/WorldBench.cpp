// The simulation model's busiest operations at a late-game fleet: 100 planes
// on routes out of 25 researched airports. A take-off (passengers, revenue,
// bookkeeping) runs for every plane about twice a day of game time, the
// company worth every day and for every credit screen, and the whole world
// is saved at each exit. Figures per operation.
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Statistics.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
std::vector<uint8_t> ModelTable()
{
    std::vector<uint8_t> bytes(static_cast<size_t>(AVAIL_MODELS) * PlaneModel::RECORD_SIZE);
    for (int32_t i = 0; i < AVAIL_MODELS; ++i)
    {
        uint8_t* r = bytes.data() + static_cast<size_t>(i) * PlaneModel::RECORD_SIZE;
        const int32_t intro = 1950;
        const int32_t withdrawal = 1990;
        const int64_t price = 100000 + 1000 * i;
        const int32_t speed = 700;
        const uint32_t range = 6000;
        const int32_t capacity = 120 + i;
        const int32_t runout = 24;
        std::memcpy(r + 80, &intro, 4);
        std::memcpy(r + 84, &withdrawal, 4);
        std::memcpy(r + 88, &price, 8);
        std::memcpy(r + 96, &speed, 4);
        std::memcpy(r + 100, &range, 4);
        std::memcpy(r + 104, &capacity, 4);
        std::memcpy(r + 108, &runout, 4);
    }
    return bytes;
}

std::vector<uint8_t> AirportTable()
{
    std::vector<uint8_t> bytes(static_cast<size_t>(Enviroment::AIRPORT_COUNT) * AirportInfo::RECORD_SIZE);
    for (int32_t i = 0; i < Enviroment::AIRPORT_COUNT; ++i)
    {
        uint8_t* r = bytes.data() + static_cast<size_t>(i) * AirportInfo::RECORD_SIZE;
        const int16_t size = static_cast<int16_t>(50 * (1 + i % 5));
        std::memcpy(r + 100, &size, 2);
        for (int32_t k = 0; k < 6; ++k)
        {
            const int16_t neighbour = static_cast<int16_t>((i + k + 1) % Enviroment::AIRPORT_COUNT);
            const int32_t distance = 800 + 400 * k;
            std::memcpy(r + 102 + 2 * k, &neighbour, 2);
            std::memcpy(r + 114 + 4 * k, &distance, 4);
        }
    }
    return bytes;
}

// Builds the late-game world once per benchmark run.
class LateGame
{
public:
    LateGame()
    {
        const std::vector<uint8_t> models = ModelTable();
        const std::vector<uint8_t> airports = AirportTable();
        std::string error;
        Enviroment::Create(models.data(), models.size(), airports.data(), airports.size(), &error);
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
    ~LateGame() { Enviroment::Destroy(); }
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
