// Fuzz target "savedgame": bytes as the game's stored save (the world under
// "Enviroment" and the scheduler under "TimeSimulation" in one block).
//
// Whatever the bytes, loading either refuses them with a reason or yields a
// game that saves again and loads to the same bytes and that can be played
// on: its pending events fire without touching anything that is not there.
#include "FuzzTarget.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventRegistry.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/Time.h"
#include "Common/Backend/TimeSimulation.h"
#include "WinCE/Assert.h"
#include "WinCE/DataFile.h"
#include "WinCE/Random.h"

#include <cstring>
#include <string>
#include <vector>

namespace
{
// Enough events to run through a loaded game's next flights and its next
// bookkeeping, few enough to keep thousands of inputs a second.
constexpr int EVENTS_AFTER_LOAD = 40;
} // namespace

void fuzz_targets::SetUpSavedGame()
{
    const std::string& path = FuzzTarget::DataFilePath();
    FATAL(path.empty(), "The saved-game fuzz target needs the data file");
    DataFile::UseFile(path);
    EventRegistry::Install();
}

void fuzz_targets::RunSavedGame(const uint8_t* data, size_t size)
{
    // Each input starts from the state the program has before a restore,
    // with the same random draws, so that a crash found after thousands of
    // inputs happens again when its input runs alone. The world-tables
    // target may have destroyed the world in this process.
    SRand(1);
    if (!Enviroment::IsCreated())
        Enviroment::CreateFromDataFile();
    Enviroment::NewGame();
    TimeSimulation::Reset();

    std::string error;
    if (!GameState::LoadBytes(data, size, &error))
    {
        ASSERT(!error.empty() && "a refused save must say why");
        return;
    }
    const std::vector<uint8_t> saved = GameState::SaveBytes();
    ASSERT(GameState::LoadBytes(saved.data(), saved.size(), &error) && "a game that loaded does not load again");
    const std::vector<uint8_t> again = GameState::SaveBytes();
    ASSERT(saved == again && "save, load and save gave other bytes");

    // The cash limits are the game's own invariants, which play keeps by
    // ending the game long before them: a company a few bills away from
    // them would cross them by design. Play goes on while there is room.
    const Company* company = Enviroment::GetCompany();
    const Time now = TimeSimulation::GetCurrGameTime();
    const Time limit = now.Add(1, 0, 0, 0, 0, 0);
    for (int i = 0; i < EVENTS_AFTER_LOAD; ++i)
    {
        if (company->GetCash() < Company::CASH_LOW / 2 || company->GetCash() > Company::CASH_HIGH / 2)
            break;
        if (GameState::FireNextBefore(limit) < 0)
            break;
    }
}
