// The table of fuzz targets and the fatal-error answer they run under.
#include "FuzzTarget.h"

#include "WinCE/Assert.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace
{
int s_fatalErrors = 0;
std::string s_dataFile;

// Fatal errors are the readers' way of refusing bad bytes: answer Retry so
// the code after them runs too. An assertion is a bug of ours: stop here so
// that libFuzzer keeps the input.
FailureAnswer AnswerDuringFuzzing(FailureKind kind, const char* caption, const char* text)
{
    if (kind == FailureKind::Fatal)
    {
        ++s_fatalErrors;
        return FailureAnswer::Retry;
    }
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::abort();
}

void NoSetup()
{
}
} // namespace

const std::vector<FuzzTarget>& FuzzTarget::All()
{
    using namespace fuzz_targets;
    static const std::vector<FuzzTarget> targets = {
        {"configblock", NoSetup, RunConfigBlock}, {"savedgame", SetUpSavedGame, RunSavedGame},
        {"datafileindex", NoSetup, RunDataFileIndex}, {"dibfile", NoSetup, RunDibFile},
        {"fontmetrics", NoSetup, RunFontMetrics}, {"lzrw1a", NoSetup, RunLzrw1a},
        {"lzrw2", NoSetup, RunLzrw2}, {"lzrw3", NoSetup, RunLzrw3},
        {"lzrw3a", NoSetup, RunLzrw3a}, {"setupini", NoSetup, RunSetupIni},
        {"worldtables", SetUpWorldTables, RunWorldTables},
    };
    return targets;
}

const FuzzTarget* FuzzTarget::Find(const std::string& name)
{
    for (const FuzzTarget& target : All())
        if (name == target.name)
            return &target;
    return nullptr;
}

int FuzzTarget::RunOne(const uint8_t* data, size_t size) const
{
    static std::set<std::string> ready;
    // Retry on a fatal error breaks into the debugger before carrying on; with
    // no debugger attached the break is ignored, as a developer would step
    // past it.
    const auto previousTrap = std::signal(SIGTRAP, SIG_IGN);
    const FailureHandler previous = SetFailureHandler(AnswerDuringFuzzing);
    if (ready.insert(name).second)
        setup();
    s_fatalErrors = 0;
    run(data, size);
    SetFailureHandler(previous);
    std::signal(SIGTRAP, previousTrap);
    return s_fatalErrors;
}

void FuzzTarget::UseDataFile(const std::string& path)
{
    s_dataFile = path;
}

const std::string& FuzzTarget::DataFilePath()
{
    return s_dataFile;
}
