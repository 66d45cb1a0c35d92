// SimCommands: the command table of skyreach-sim.
//
// Each script command does what the matching game screen does: the same
// checks (affordability, what a list would offer), the same refusal texts
// ("You can't afford it!"), then the same company and scheduler operations.
// A refused action prints one "refused" line and changes nothing. An unknown
// command or an argument that is not what the command takes is a
// ScriptError, which stops the script.
#pragma once

#include "SkyreachSim/ScriptReader.h"

#include <cstdint>
#include <string>
#include <vector>

class Plane;
class SimSession;

class SimCommands
{
public:
    explicit SimCommands(SimSession& session);

    // Runs one command; throws ScriptError for an unknown command or a bad argument.
    void Execute(const ScriptReader::Command& command);
    // One line per command: its usage and what it does.
    static std::string Help();

private:
    using Handler = void (SimCommands::*)();
    // Whether a command changes the game or only looks at it (which is all
    // that remains after the game has ended).
    enum class Use
    {
        ACTS,
        LOOKS,
        LOOKS_WITHOUT_ARGS,
    };
    struct Entry
    {
        const char* name;
        int32_t minArgs;
        int32_t maxArgs;
        bool needsGame;
        Use use;
        Handler handler;
        const char* usage;
        const char* what;
    };
    static const Entry kEntries[];

    void New();
    void Buy();
    void Sell();
    void Repair();
    void Route();
    void Shutdown();
    void Research();
    void Office();
    void SellOffice();
    void Advertise();
    void Credit();
    void Repay();
    void Mir();
    void Answer();
    void Run();
    void Until();
    void Skip();
    void Report();
    void Events();
    void Airports();
    void Neighbours();
    void Models();
    void Returns();
    void Planes();
    void Save();
    void Load();
    void Cash();
    void Mark();

    // Argument helpers: a whole number within bounds, else a ScriptError.
    int64_t Number(size_t index, int64_t low, int64_t high, const char* what) const;
    int32_t Airport(size_t index) const;
    // The plane with the id given, or null after printing a refusal.
    Plane* FindPlane(size_t index);
    void Refuse(const std::string& message);
    [[noreturn]] void Bad(const std::string& message) const;
    // Passes the contract warning before `confirmation` (the sale or the
    // shut-down) when the plane is bound; false when the answer keeps it.
    bool MayBreakContract(Plane* plane, int32_t confirmation);

    SimSession& _session;
    const ScriptReader::Command* _command;
};
