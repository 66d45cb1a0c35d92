// GameState: the whole running game as one unit: start, save, load, run.
//
// A game is the world (Enviroment: company, planes, airports, statistics,
// market) plus the scheduler (TimeSimulation: clock, speed, pending events).
// Saving writes the scheduler under "TimeSimulation" and the world under
// "Enviroment" into the caller's top-level block, the order the application
// stores them in (it puts its "MainForm" first); loading reads the world first
// and then the scheduler, whose events name planes and airports by identifier.
// A game saved, loaded and saved again gives the same bytes: events keep the
// ids they were saved with.
//
// Running time here is the headless way: each pending event fires in turn with
// the clock just past its own fire time, as the idle step would fire it.
// The event classes must be installed (EventRegistry::Install) before a game
// is started or loaded.
#pragma once

#include "Common/Backend/Time.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class GameState
{
public:
    static constexpr const char* SCHEDULER_KEY = "TimeSimulation";
    static constexpr const char* WORLD_KEY = "Enviroment";
    // A home airport is smaller than this and has a neighbour closer than
    // this many km.
    static constexpr int32_t HOME_SIZE_LIMIT = 200;
    static constexpr int32_t HOME_NEIGHBOUR_DISTANCE = 1500;

    // The new-game flow: a fresh company under `name`, statistics and market
    // for 1959, the scheduler reset with the five calendar events, and the
    // home airport with its office. False, changing nothing, for an airport
    // index outside the table.
    static bool NewGame(const std::string& name, int32_t homeAirport);
    // The two steps of NewGame as the new-game screens take them. Founding
    // the company clears every pending event (they name the old company's
    // planes and airports), gives fresh money, statistics and the 1959
    // market. Choosing the home airport restarts the clock in 1959 with the
    // calendar events and opens the home office; false, changing nothing,
    // for an index outside the table.
    static void FoundCompany(const std::string& name);
    static bool ChooseHomeAirport(int32_t homeAirport);
    // The airports a company may start from: smaller than the largest size,
    // with a neighbour closer than 1500 km. In table order.
    static std::vector<int32_t> HomeAirportCandidates();

    static void Save(ConfigBlock& top);
    // A missing sub-block leaves that part as it is. False with the reason
    // when the save is damaged; the caller then starts a fresh game (what
    // could be read is kept, which is not a consistent game).
    static bool Load(const ConfigBlock& top, std::string* error);
    static std::vector<uint8_t> SaveBytes();
    // Checks the bytes as a block tree before reading anything.
    static bool LoadBytes(const uint8_t* data, size_t size, std::string* error);

    // The simulation runs again after a stop (a pause, a notice, a load): the
    // tick count and the game time both restart from now, so game time
    // continues from where it stood and never runs backwards.
    static void ResumeSimulation();
    // Whether game time runs now: a game screen with running time is shown.
    // Turning it on resumes the simulation (above), so time spent stopped is
    // never game time. Screens and the idle step read it; nothing else.
    static void SetSimulationRunning(bool running);
    static bool IsSimulationRunning();

    // Fires the earliest pending event if its fire time is before `limit`,
    // with the clock moved to the first real moment after that time (never
    // backwards). Returns the type of the event fired, or -1 when none was due before the limit.
    static int32_t FireNextBefore(const Time& limit);
    // Fires every event due before `end` in time order, then sets the clock
    // to `end` (if later). `beforeEach`, when given, runs before each event
    // and stops the run by returning false. Returns the number fired.
    static int64_t RunUntil(const Time& end, const std::function<bool()>& beforeEach = nullptr);

private:
    static bool LoadParts(const ConfigBlock& top, std::string* error);
    static std::vector<int32_t> SavedEventIds(const ConfigBlock& scheduler);
};
