// Catching up: a 100-plane game at the fastest speed (518400 game seconds per
// real second) for 10 real seconds, driven through the application's idle
// step on the headless host at the desktop's pace of one idle step every
// 25 ms of a fake clock. Reports the events fired, the events due but left
// behind when the time is up (the target is none), and the worst real time a
// single idle step took (the target is under 50 ms: input waits that long at
// most), and the whole game days the clock ran (60 when it keeps up).
// Notices are answered by the careful stand-in player between steps.
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/NoticeSink.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/ScheduledEvent.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/SkyreachApp.h"
#include "WinCE/DataFile.h"
#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/Random.h"

#include "BenchWorld.h"
#include "Common/Backend/Events/CarefulPlayer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
constexpr int32_t PLANES = 100;
constexpr uint32_t PACE_MS = 25;
constexpr uint32_t REAL_MS = 10000;

// The world tables of the whole-game benchmark, as a data file the
// application object reads them from.
std::string WriteWorldFile()
{
    const TestTables tables = bench::WholeGameTables();
    const std::vector<uint8_t> file = bench::DataFileBytes(
        {{"planemodels_rsc", tables.ModelBytes()}, {"airports_rsc", tables.AirportBytes()}});
    char folder[] = "/tmp/skyreach-catchup-XXXXXX";
    if (mkdtemp(folder) == nullptr)
        return std::string();
    const std::string path = std::string(folder) + "/Skyreach.dat";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());
    return path;
}

// Routes across the world as in the whole-game benchmark: every airport
// flies to its neighbours.
void BuyFleet()
{
    Company& company = *Enviroment::GetCompany();
    const Time start = TimeSimulation::GetCurrGameTime();
    company.Earn(100000000000LL, false);
    for (int32_t i = 0; i < PLANES; ++i)
    {
        const int32_t from = i % Enviroment::AIRPORT_COUNT;
        const int32_t to = Enviroment::GetNeighbour(from, (i / Enviroment::AIRPORT_COUNT) * 2);
        const int32_t model = Enviroment::CheapestModelFor(Enviroment::GetDistance(from, to));
        Plane* plane = model >= 0 ? company.BuyPlane(model, "Liner", start) : nullptr;
        if (plane && company.MayOpenRoute(from, to))
            company.OpenRoute(plane, from, to, 1, 1, start);
    }
}

// Pending events whose time the clock has passed.
int64_t DueEvents()
{
    int64_t due = 0;
    const Time& now = TimeSimulation::GetCurrGameTime();
    for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
        due += now.IsAfter(TimeSimulation::GetEvent(slot)->_time) ? 1 : 0;
    return due;
}

void CatchingUp(benchmark::State& state)
{
    const std::string data = WriteWorldFile();
    if (data.empty())
    {
        state.SkipWithError("cannot make a temporary folder");
        return;
    }
    DataFile::UseFile(data);
    HeadlessHost host(1000);
    host.SetEchoMessages(false);
    SetHost(&host);
    int64_t fired = 0;
    int64_t behind = 0;
    double worstMs = 0;
    double gameDays = 0;
    for (auto _ : state)
    {
        SkyreachApp app;
        CarefulPlayer player;
        NoticeSink* previous = SetNoticeSink(&player);
        SRand(1);
        GameState::NewGame("Bench Air", 0);
        BuyFleet();
        // After the new game, whose reset clears the listener.
        TimeSimulation::SetEventListener(&player);
        const Time start = TimeSimulation::GetCurrGameTime();
        TimeSimulation::SetSpeed(TimeSimulation::FASTEST_SPEED);
        SkyreachApp::SetSimulationRunning(true);
        for (uint32_t elapsed = 0; elapsed < REAL_MS; elapsed += PACE_MS)
        {
            host.AdvanceClock(PACE_MS);
            const auto before = std::chrono::steady_clock::now();
            app.OnIdle();
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - before;
            worstMs = std::max(worstMs, took.count());
            player.Answer();
        }
        SkyreachApp::SetSimulationRunning(false);
        for (const auto& type : player.fired)
            fired += type.second;
        behind += DueEvents();
        const Time& end = TimeSimulation::GetCurrGameTime();
        int32_t days = 0;
        for (Time t = start.Add(0, 0, 1, 0, 0, 0); !t.IsAfter(end) && days < 100000;
             t = t.Add(0, 0, 1, 0, 0, 0))
            ++days;
        gameDays += days;
        TimeSimulation::SetEventListener(nullptr);
        SetNoticeSink(previous);
    }
    state.counters["events_fired"] =
        benchmark::Counter(static_cast<double>(fired), benchmark::Counter::kAvgIterations);
    state.counters["due_left_behind"] =
        benchmark::Counter(static_cast<double>(behind), benchmark::Counter::kAvgIterations);
    state.counters["worst_step_ms"] = worstMs;
    state.counters["game_days"] = benchmark::Counter(gameDays, benchmark::Counter::kAvgIterations);
    SetHost(nullptr);
    DataFile::Destroy();
    std::filesystem::remove_all(std::filesystem::path(data).parent_path());
}
} // namespace

BENCHMARK(CatchingUp)->Unit(benchmark::kMillisecond)->Iterations(1);
