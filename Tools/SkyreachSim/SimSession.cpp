#include "SkyreachSim/SimSession.h"

#include "Common/Backend/Notices.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventRegistry.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/ScheduledEvent.h"
#include "Common/Backend/TimeSimulation.h"
#include "WinCE/DataFile.h"
#include "WinCE/FileIO.h"
#include "WinCE/Preferences.h"
#include "WinCE/Random.h"
#include "WinCE/RegistryTransaction.h"
#include "WinCE/VFileResource.h"

#include <vector>

namespace
{
// The world's tables are read from the data file without the fatal stop of
// a missing entry, so a wrong data file gets a message and exit status 1.
bool ReadEntry(DataFile& file, const char* name, std::vector<uint8_t>* bytes, std::string* error)
{
    uint32_t offset = 0;
    int32_t size = 0;
    if (!file.Find(name, &offset, &size) || size <= 0)
    {
        *error = std::string("the data file has no entry \"") + name + "\"";
        return false;
    }
    VFileResource resource(name);
    bytes->assign(resource.GetData(), resource.GetData() + resource.GetSize());
    return true;
}

Time FinalDay()
{
    return Time(TimeSimulation::FINAL_YEAR, 0, 1);
}
} // namespace

SimSession::SimSession(SimOutput& output, uint32_t seed)
    : _output(output), _sink(output), _clock(seed * 2654435761u), _tickState(seed * 2246822519u + 0x9E3779B9u),
      _worldCreated(false), _hasGame(false), _firedTotal(0)
{
    if (_tickState == 0)
        _tickState = 0x2545F491u;
    SRand(seed);
    SetNoticeSink(&_sink);
}

SimSession::~SimSession()
{
    SetNoticeSink(nullptr);
    _simulation.reset();
    if (_worldCreated)
    {
        Enviroment::SetEventHooks(nullptr);
        Enviroment::Destroy();
    }
}

bool SimSession::LoadWorld(const std::string& dataPath, std::string* error)
{
    DataFile::UseFile(dataPath);
    DataFile* file = DataFile::Current();
    if (!file || !file->IsOpen())
    {
        *error = "cannot open the data file " + dataPath + (file ? ": " + file->GetError() : std::string());
        return false;
    }
    std::vector<uint8_t> models;
    std::vector<uint8_t> airports;
    if (!ReadEntry(*file, "planemodels_rsc", &models, error) || !ReadEntry(*file, "airports_rsc", &airports, error))
        return false;
    if (!Enviroment::Create(models.data(), models.size(), airports.data(), airports.size(), error))
        return false;
    _worldCreated = true;
    EventRegistry::Install();
    _simulation = std::make_unique<TimeSimulation>();
    TimeSimulation::SetSubjects(Enviroment::Instance());
    return true;
}

Time SimSession::Now() const
{
    return TimeSimulation::GetCurrGameTime();
}

void SimSession::StartGame(const std::string& name, int32_t homeAirport)
{
    GameState::NewGame(name, homeAirport);
    _hasGame = true;
    _sink.StartGame();
    _fired.clear();
    _firedTotal = 0;
}

uint32_t SimSession::NextTickStep()
{
    // xorshift32: the tool's own stream, so the game's Rand() sequence is the
    // one a player would see.
    _tickState ^= _tickState << 13;
    _tickState ^= _tickState >> 17;
    _tickState ^= _tickState << 5;
    return 1 + _tickState % 2999;
}

bool SimSession::FireOne(const Time& limit)
{
    if (TimeSimulation::GetEventCount() == 0)
        return false;
    if (!limit.IsAfter(TimeSimulation::GetEvent(0)->_time))
        return false;
    _clock.Advance(NextTickStep());
    const int32_t type = GameState::FireNextBefore(limit);
    if (type < 0)
        return false;
    ++_fired[type];
    ++_firedTotal;
    return true;
}

int64_t SimSession::RunTo(const Time& end)
{
    // The clock reaching the final year ends the game, as the scheduler's
    // clock advance does in a running game.
    const Time finalDay = FinalDay();
    const bool reachesFinal = !finalDay.IsAfter(end);
    const Time limit = reachesFinal ? finalDay : end;
    int64_t count = 0;
    while (!IsOver() && FireOne(limit))
        ++count;
    if (IsOver())
        return count;
    if (limit.IsAfter(TimeSimulation::GetCurrGameTime()))
        TimeSimulation::SetCurrGameTime(limit);
    _clock.Advance(NextTickStep());
    TimeSimulation::Synchronise();
    if (reachesFinal)
        _sink.GameOver(Notices::GAME_OVER_FINAL_YEAR);
    return count;
}

int64_t SimSession::SkipToNotice()
{
    const int64_t shownBefore = _sink.NoticesShown();
    const Time finalDay = FinalDay();
    int64_t count = 0;
    while (!IsOver() && _sink.NoticesShown() == shownBefore)
    {
        if (!FireOne(finalDay))
        {
            // Nothing left before the final year: the clock runs into it.
            if (TimeSimulation::GetEventCount() > 0)
                count += RunTo(finalDay);
            break;
        }
        ++count;
    }
    return count;
}

bool SimSession::Save(std::string* error)
{
    const std::vector<uint8_t> bytes = GameState::SaveBytes();
    RegistryTransaction transaction;
    Preferences::WritePieces(bytes);
    if (!transaction.Commit())
    {
        *error = "the preference store refused the save";
        return false;
    }
    return true;
}

bool SimSession::Load(std::string* error)
{
    const std::vector<uint8_t> bytes = Preferences::ReadPieces();
    if (bytes.empty())
    {
        *error = "there is no saved game";
        return false;
    }
    // A damaged save must not cost the game in play: it comes back whole.
    const std::vector<uint8_t> current = _hasGame ? GameState::SaveBytes() : std::vector<uint8_t>();
    if (!GameState::LoadBytes(bytes.data(), bytes.size(), error))
    {
        std::string ignored;
        if (!current.empty())
            GameState::LoadBytes(current.data(), current.size(), &ignored);
        else
            _hasGame = false;
        return false;
    }
    GameState::ResumeSimulation();
    _hasGame = true;
    // A loaded game runs again, even if the game in play had ended.
    _sink.Resume();
    return true;
}
