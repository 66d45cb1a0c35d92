// skyreach-sim: the game without screens, driven by a script.
//
//   skyreach-sim [--seed N] [--data PATH] [--registry PATH] [--json] [--timing] [SCRIPT]
//   skyreach-sim --help
//
// Reads one command a line from SCRIPT (or standard input) and plays them
// against the real backend: the world from the data file, the event classes,
// the scheduler on a fake tick clock, notices answered by the script. The
// same seed and script give the same output, byte for byte. Exit status 0
// when the script ran to its end, 1 when the tool cannot start (no data
// file, no store), 2 when a line of the script is not a valid command.
// `--timing` adds the wall and processor time, the events fired, the events per second and
// the peak resident memory on standard error (benchmarks).

#include "SkyreachSim/ScriptReader.h"
#include "SkyreachSim/SimCommands.h"
#include "SkyreachSim/SimOutput.h"
#include "SkyreachSim/SimSession.h"
#include "WinCE/InstalledFiles.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegistryStore.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#ifndef SKYREACH_SIM_DATA_FILE
#define SKYREACH_SIM_DATA_FILE "Skyreach.dat"
#endif

namespace
{
struct Options
{
    uint32_t seed = 1;
    std::string data;
    std::string registry;
    std::string script;
    bool json = false;
    bool timing = false;
};

constexpr const char* USAGE =
    "usage: skyreach-sim [--seed N] [--data PATH] [--registry PATH] [--json] [--timing] [SCRIPT]\n";

int Usage(const char* message)
{
    std::fprintf(stderr, "skyreach-sim: %s\n", message);
    std::fprintf(stderr, "%sskyreach-sim --help lists the script commands.\n", USAGE);
    return 2;
}

int Help()
{
    std::printf("%s\n"
                "Plays a script of commands, one a line, from SCRIPT or standard input against the\n"
                "game's simulation; the same seed and script give the same output.\n\n"
                "  --seed N         seeds the game's random numbers and the clock (default 1)\n"
                "  --data PATH      the data file (default: the installed one, else the built one)\n"
                "  --registry PATH  the preference store for save and load (default: a temporary one)\n"
                "  --json           every output line as one JSON object\n"
                "  --timing         wall time, events per second and peak memory on standard error\n\n"
                "Commands:\n%s",
                USAGE, SimCommands::Help().c_str());
    return 0;
}

bool ParseSeed(const char* text, uint32_t* seed)
{
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (!*text || *end || text[0] == '-' || value > UINT32_MAX)
        return false;
    *seed = static_cast<uint32_t>(value);
    return true;
}

bool FileExists(const std::string& path)
{
    struct stat info;
    return !path.empty() && stat(path.c_str(), &info) == 0;
}

// The "Resource File" value the installation wrote into a store, read
// without creating anything in it.
std::string ResourceFileIn(const std::string& storePath)
{
    if (!FileExists(storePath))
        return std::string();
    RegistryStore store(storePath);
    int64_t key = 0;
    if (store.OpenKey(HKEY_LOCAL_MACHINE, RegKey::AppKeyPath(), false, &key) != 0)
        return std::string();
    uint32_t type = 0;
    std::vector<uint8_t> bytes;
    if (store.QueryValue(key, "Resource File", &type, &bytes) != 0 || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::string();
    std::string path;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    {
        const char16_t unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0)
            break;
        // UTF-8 for the host's file functions.
        if (unit < 0x80)
        {
            path += static_cast<char>(unit);
        }
        else if (unit < 0x800)
        {
            path += static_cast<char>(0xC0 | (unit >> 6));
            path += static_cast<char>(0x80 | (unit & 0x3F));
        }
        else
        {
            path += static_cast<char>(0xE0 | (unit >> 12));
            path += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            path += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return path;
}
} // namespace

int main(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h")
            return Help();
        if (arg == "--seed" && hasValue)
        {
            if (!ParseSeed(argv[++i], &options.seed))
                return Usage("--seed takes a whole number from 0 to 4294967295");
        }
        else if (arg == "--data" && hasValue)
            options.data = argv[++i];
        else if (arg == "--registry" && hasValue)
            options.registry = argv[++i];
        else if (arg == "--json")
            options.json = true;
        else if (arg == "--timing")
            options.timing = true;
        else if (arg.size() > 1 && arg[0] == '-')
            return Usage(("unknown option or missing value: " + arg).c_str());
        else if (options.script.empty())
            options.script = arg;
        else
            return Usage("only one script may be given");
    }

    std::ifstream file;
    std::istream* input = &std::cin;
    if (!options.script.empty() && options.script != "-")
    {
        file.open(options.script);
        if (!file)
        {
            std::fprintf(stderr, "skyreach-sim: cannot read the script %s\n", options.script.c_str());
            return 1;
        }
        input = &file;
    }

    // The data file: given, else the one the installation named, else the
    // installed one next to this program, else the built one.
    if (options.data.empty())
        options.data = ResourceFileIn(options.registry.empty() ? RegistryStore::DefaultPath() : options.registry);
    if (options.data.empty())
        options.data = InstalledFiles::ForThisProgram().Find(InstalledFiles::DATA_FILE_NAME);
    if (options.data.empty())
        options.data = SKYREACH_SIM_DATA_FILE;
    if (!FileExists(options.data))
    {
        std::fprintf(stderr, "skyreach-sim: the data file %s does not exist\n", options.data.c_str());
        return 1;
    }

    // The preference store: given, else a temporary one removed at the end.
    std::string temporaryFolder;
    if (options.registry.empty())
    {
        char folder[] = "/tmp/skyreach-sim-XXXXXX";
        if (!mkdtemp(folder))
        {
            std::fprintf(stderr, "skyreach-sim: cannot make a temporary folder for the preference store\n");
            return 1;
        }
        temporaryFolder = folder;
        options.registry = temporaryFolder + "/registry.sqlite3";
    }
    RegistryStore::UseFile(options.registry);
    {
        // Saving needs the application key the installation would have made.
        RegKey app(HKEY_LOCAL_MACHINE, RegKey::AppKeyPath().c_str(), true);
    }

    int status = 0;
    const auto started = std::chrono::steady_clock::now();
    int64_t fired = 0;
    {
        SimOutput output(stdout, options.json);
        SimSession session(output, options.seed);
        std::string error;
        if (!session.LoadWorld(options.data, &error))
        {
            std::fprintf(stderr, "skyreach-sim: %s\n", error.c_str());
            status = 1;
        }
        else
        {
            SimCommands commands(session);
            ScriptReader reader(*input);
            ScriptReader::Command command;
            try
            {
                // Each command's output leaves at once, so that a program
                // driving the game through a pipe sees the answer before it
                // sends the next command.
                while (reader.Next(command))
                {
                    commands.Execute(command);
                    std::fflush(stdout);
                }
            }
            catch (const ScriptError& failure)
            {
                std::fflush(stdout);
                std::fprintf(stderr, "skyreach-sim: %s:%d: %s\n",
                             options.script.empty() ? "<stdin>" : options.script.c_str(), failure.Line(),
                             failure.what());
                status = 2;
            }
        }
        fired = session.FiredTotal();
    }
    std::fflush(stdout);

    if (options.timing)
    {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        struct rusage usage;
        getrusage(RUSAGE_SELF, &usage);
        // The processor time beside the wall time: on a busy machine the two differ.
        const double cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        std::fprintf(stderr,
                     "wall time: %.3f s\ncpu time: %.3f s\nevents fired: %lld\nevents per second: %.0f\n"
                     "peak memory: %.1f MB\n",
                     seconds, cpu, static_cast<long long>(fired), seconds > 0 ? fired / seconds : 0.0,
                     usage.ru_maxrss / 1024.0);
    }

    RegistryStore::CloseDefault();
    if (!temporaryFolder.empty())
    {
        std::error_code ignored;
        std::filesystem::remove_all(temporaryFolder, ignored);
    }
    return status;
}
