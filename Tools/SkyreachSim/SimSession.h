// SimSession: one headless game of skyreach-sim.
//
// Holds what the tool adds around the backend: the world created from the
// data file, the scheduler, the fake tick clock with its own seeded step
// generator (so the events' tick-window draws see varied tick counts, as in
// a real session, without touching the game's Rand() stream), the scripted
// notice sink, the running counts of fired events, and the saved game in the
// preference store. Time runs the headless way: each due event fires in
// turn with the clock just past its own fire time.
#pragma once

#include "Common/Backend/Time.h"
#include "SkyreachSim/ScriptedNoticeSink.h"
#include "SkyreachSim/SimOutput.h"
#include "WinCE/TickCount.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

class TimeSimulation;

class SimSession
{
public:
    SimSession(SimOutput& output, uint32_t seed);
    ~SimSession();
    SimSession(const SimSession&) = delete;
    SimSession& operator=(const SimSession&) = delete;

    // Creates the world from the data file's tables; false with the reason.
    bool LoadWorld(const std::string& dataPath, std::string* error);

    SimOutput& Out() { return _output; }
    ScriptedNoticeSink& Sink() { return _sink; }
    bool HasGame() const { return _hasGame; }
    bool IsOver() const { return _sink.GameOverReason() != 0; }
    Time Now() const;

    // The new-game flow for a checked name and home airport.
    void StartGame(const std::string& name, int32_t homeAirport);

    // Fires every event due before `end` (or before 1 January of the final
    // year, when the game ends), stopping early at game over. Returns the
    // number of events fired.
    int64_t RunTo(const Time& end);
    // Fires events until one opens a notice or the game ends; the number fired.
    int64_t SkipToNotice();

    const std::map<int32_t, int64_t>& Fired() const { return _fired; }
    int64_t FiredTotal() const { return _firedTotal; }

    // The whole game through the preference store, in numbered pieces.
    bool Save(std::string* error);
    bool Load(std::string* error);


private:
    uint32_t NextTickStep();
    bool FireOne(const Time& limit);

    SimOutput& _output;
    ScriptedNoticeSink _sink;
    FakeClock _clock;
    uint32_t _tickState;
    std::unique_ptr<TimeSimulation> _simulation;
    bool _worldCreated;
    bool _hasGame;
    std::map<int32_t, int64_t> _fired;
    int64_t _firedTotal;
};
