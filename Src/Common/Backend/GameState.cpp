#include "Common/Backend/GameState.h"

#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/ScheduledEvent.h"
#include "Common/Backend/TimeSimulation.h"
#include "WinCE/Assert.h"
#include "Wkr/Util/LittleEndian.h"

#include <cstdio>
#include <unordered_set>

namespace
{
void SetError(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
}
} // namespace

bool GameState::NewGame(const std::string& name, int32_t homeAirport)
{
    ASSERT(Enviroment::IsCreated() && "a game needs the world");
    if (homeAirport < 0 || homeAirport >= Enviroment::AIRPORT_COUNT)
        return false;
    FoundCompany(name);
    return ChooseHomeAirport(homeAirport);
}

void GameState::FoundCompany(const std::string& name)
{
    ASSERT(Enviroment::IsCreated() && "a game needs the world");
    TimeSimulation::Clear();
    Enviroment::NewGame();
    Enviroment::GetCompany()->SetName(name);
}

bool GameState::ChooseHomeAirport(int32_t homeAirport)
{
    if (homeAirport < 0 || homeAirport >= Enviroment::AIRPORT_COUNT)
        return false;
    TimeSimulation::Reset();
    TimeSimulation::SetSubjects(Enviroment::Instance());
    TimeSimulation::ScheduleInitialEvents();
    Enviroment::GetCompany()->OpenStartingAirport(homeAirport, TimeSimulation::GetCurrGameTime());
    return true;
}

std::vector<int32_t> GameState::HomeAirportCandidates()
{
    std::vector<int32_t> airports;
    for (int32_t i = 0; i < Enviroment::AIRPORT_COUNT; ++i)
    {
        if (Enviroment::GetAirportSize(i) >= HOME_SIZE_LIMIT)
            continue;
        const AirportInfo info = Enviroment::GetAirport(i);
        for (int32_t slot = 0; slot < AirportInfo::NEIGHBOURS; ++slot)
        {
            if (info._neighbours[slot] >= 0 && info._distances[slot] < HOME_NEIGHBOUR_DISTANCE)
            {
                airports.push_back(i);
                break;
            }
        }
    }
    return airports;
}

void GameState::Save(ConfigBlock& top)
{
    ConfigBlock scheduler;
    TimeSimulation::Save(scheduler);
    top.PutBlock(SCHEDULER_KEY, scheduler);
    ConfigBlock world;
    Enviroment::Save(world);
    top.PutBlock(WORLD_KEY, world);
}

std::vector<int32_t> GameState::SavedEventIds(const ConfigBlock& scheduler)
{
    // The ids of the saved chain in the order the records follow each other.
    std::vector<int32_t> ids;
    uint8_t hasEvents = 0;
    int32_t id = -1;
    if (!scheduler.Get("has_events", hasEvents) || hasEvents == 0 || !scheduler.Get("low_event", id))
        return ids;
    std::unordered_set<int32_t> seen;
    while (id > 0 && seen.insert(id).second)
    {
        char name[32];
        std::snprintf(name, sizeof(name), "event%d", id);
        ConfigBlock record;
        if (!scheduler.GetBlock(name, record))
            break;
        ids.push_back(id);
        const uint8_t* header = nullptr;
        int32_t length = 0;
        if (!record.FindEntry("_d", 2, header, length) || length != 16)
            break;
        id = LittleEndian::ReadInt32(header + 12);
    }
    return ids;
}

bool GameState::Load(const ConfigBlock& top, std::string* error)
{
    // A value of the wrong size in a damaged save would otherwise stop the
    // program with "Mangled config." at every start; here it refuses the save
    // like any other damage, so the player can start afresh.
    ConfigBlock::LenientReads lenient;
    const bool loaded = LoadParts(top, error);
    if (loaded && lenient.Mangled() > 0)
    {
        SetError(error, "the saved game holds values of the wrong size");
        return false;
    }
    return loaded;
}

bool GameState::LoadParts(const ConfigBlock& top, std::string* error)
{
    ASSERT(Enviroment::IsCreated() && "a game needs the world");
    ConfigBlock world;
    if (top.GetBlock(WORLD_KEY, world))
    {
        std::string reason;
        if (!Enviroment::Load(world, &reason))
        {
            SetError(error, "the saved world is damaged: " + reason);
            return false;
        }
    }
    ConfigBlock scheduler;
    if (!top.GetBlock(SCHEDULER_KEY, scheduler))
        return true;

    TimeSimulation::Reset();
    TimeSimulation::SetSubjects(Enviroment::Instance());
    if (!TimeSimulation::Load(scheduler))
    {
        SetError(error, "the saved events are damaged; the events after the damage are lost");
        return false;
    }
    // The scheduler hands loaded events new ids; give them back the ids they
    // were saved with, so that the game saves to the same bytes again. This
    // holds when every saved event was loaded (the heap then has the saved
    // order) and the saved counter is above every id.
    int32_t savedMax = 0;
    const std::vector<int32_t> ids = SavedEventIds(scheduler);
    if (scheduler.Get("_max_event_id", savedMax) &&
        static_cast<int32_t>(ids.size()) == TimeSimulation::GetEventCount())
    {
        // Ids are positive: a chain ends at an id of 0 or less.
        bool below = true;
        for (int32_t id : ids)
            below = below && id > 0 && id < savedMax;
        if (below)
        {
            for (size_t slot = 0; slot < ids.size(); ++slot)
                TimeSimulation::GetEvent(static_cast<int32_t>(slot))->_id = ids[slot];
            TimeSimulation::SetMaxEventId(savedMax);
        }
    }
    return true;
}

std::vector<uint8_t> GameState::SaveBytes()
{
    ConfigBlock top;
    Save(top);
    return top.GetRaw();
}

bool GameState::LoadBytes(const uint8_t* data, size_t size, std::string* error)
{
    if (!data || size == 0)
    {
        SetError(error, "the saved game is empty");
        return false;
    }
    if (!ConfigBlock::Validate(data, size))
    {
        SetError(error, "the saved game is not a readable block of keys");
        return false;
    }
    ConfigBlock top;
    top.SetRaw(data, size);
    return Load(top, error);
}

void GameState::ResumeSimulation()
{
    TimeSimulation::Synchronise();
}

namespace
{
bool s_simulationRunning = false;
}

void GameState::SetSimulationRunning(bool running)
{
    if (running && !s_simulationRunning)
        ResumeSimulation();
    s_simulationRunning = running;
}

bool GameState::IsSimulationRunning()
{
    return s_simulationRunning;
}

int32_t GameState::FireNextBefore(const Time& limit)
{
    if (TimeSimulation::GetEventCount() == 0)
        return -1;
    const ScheduledEvent* next = TimeSimulation::GetEvent(0);
    if (!limit.IsAfter(next->_time))
        return -1;
    const int32_t type = next->GetType();
    // An event fires once the clock is strictly past its time. The clock
    // only ever reads real moments, as the running game's does: an event
    // dated past the end of its month (day 35 of December) fires at the
    // first moment of the next month, together with that month's own
    // events, not days later with theirs still waiting behind the clock.
    const Time justAfter = next->_time.FirstMomentAfter();
    if (justAfter.IsAfter(TimeSimulation::GetCurrGameTime()))
        TimeSimulation::SetCurrGameTime(justAfter);
    const int fired = TimeSimulation::FireDue();
    ASSERT(fired == 1 && "the earliest event is due once the clock has passed it");
    (void)fired;
    return type;
}

int64_t GameState::RunUntil(const Time& end, const std::function<bool()>& beforeEach)
{
    int64_t count = 0;
    for (;;)
    {
        if (beforeEach && !beforeEach())
            return count;
        if (FireNextBefore(end) < 0)
            break;
        ++count;
    }
    if (end.IsAfter(TimeSimulation::GetCurrGameTime()))
        TimeSimulation::SetCurrGameTime(end);
    TimeSimulation::Synchronise();
    return count;
}
