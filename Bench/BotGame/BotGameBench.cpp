// skyreach-botgame: the player-bot's two whole games through the screens
// (one retiring, one played to the final year), timed and counted, on the
// game program's tracked allocator: wall and CPU time, screens built, events
// fired, the peak of the tracked memory and of the process, and at exit the
// tracker's leak report. `make bench` runs it; the figures go to standard
// output, the tracker's report to the debug output (standard error with
// SKYREACH_DEBUG=1, as `make bench` runs it).
#include "Common/Backend/TimeSimulation.h"
#include "Common/BotGame.h"
#include "Common/Gui/Forms/ScreenFactory.h"
#include "WinCE/CrtDbg.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace
{
double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

long PeakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

int main()
{
    const BotGame::Plan plans[] = {{"Retiring", 1959, 1970}, {"Enduring", 2003, 0}};
    int failures = 0;
    for (const BotGame::Plan& plan : plans)
    {
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = CpuSeconds();
        const int64_t screensStart = ScreenFactory::BuiltTotal();
        const int64_t eventsStart = TimeSimulation::FiredTotal();
        BotGame::Result result;
        {
            BotGame game;
            result = game.Play(plan);
        }
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        std::printf("bot game \"%s\": ended by screen %d in %d%s, %d restarts\n", plan.name,
                    static_cast<int>(result.ending), static_cast<int>(result.year),
                    result.highScore ? " with a high score" : "", result.restarts);
        std::printf("  wall %.2f s, CPU %.2f s, screens built %lld, events fired %lld\n", wall,
                    CpuSeconds() - cpuStart, static_cast<long long>(ScreenFactory::BuiltTotal() - screensStart),
                    static_cast<long long>(TimeSimulation::FiredTotal() - eventsStart));
        if (!result.failure.empty())
        {
            std::printf("  failed: %s\n", result.failure.c_str());
            ++failures;
        }
    }
    std::printf("peak tracked memory %zu bytes, peak resident %ld KB, still allocated %zu blocks\n",
                CrtDbg::Global().GetPeakBytes(), PeakResidentKilobytes(), CrtDbg::Global().GetBlockCount());
    std::fflush(stdout);
    return failures == 0 ? 0 : 1;
}
