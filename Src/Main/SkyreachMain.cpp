// Program entry of the game.
//
//   Skyreach [--scale N] [--fullscreen]      the game in a desktop window
//   Skyreach --install [--data PATH]         record the data file and the
//                                            manual in the store ("Resource
//                                            File", "Help File")
//   Skyreach --headless [--script FILE] [--registry PATH] [--data PATH]
//            [--shot-scale N] [--gallery]    the game (or the control gallery)
//                                            without a window, driven
//                                            by a script (stdin without one)
//   Skyreach --version
//
// One copy runs on a store at a time, so no two copies overwrite each
// other's save: a second desktop start on the same store asks the first to
// come to the front and leaves; a headless run on a store another copy holds
// refuses to start (exit code 1). Runs on stores of their own never meet.
// Without a display the program says so; it fails only when a window was
// asked for explicitly.
#include "Common/Gui/Controls/ControlGalleryApp.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/SkyreachApp.h"
#include "WinCE/Assert.h"
#include "WinCE/CrtDbg.h"
#include "WinCE/DataFile.h"
#include "WinCE/DebugOutput.h"
#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/Host/HostScript.h"
#include "WinCE/Host/InstanceLock.h"
#include "WinCE/Host/SdlHost.h"
#include "WinCE/InstalledFiles.h"
#include "WinCE/RegistryStore.h"

#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#ifndef SKYREACH_DEFAULT_DATA
#define SKYREACH_DEFAULT_DATA "Skyreach.dat"
#endif
#ifndef SKYREACH_DEFAULT_HELP
#define SKYREACH_DEFAULT_HELP "JetWarden.html"
#endif

namespace
{
struct Options
{
    bool install = false;
    bool headless = false;
    bool gallery = false;
    bool fullscreen = false;
    bool windowAsked = false;
    int scale = 2;
    int shotScale = 1;
    std::string data;
    std::string help;
    std::string script;
    std::string registry;
};

void Usage(FILE* to)
{
    std::fprintf(to, "Usage: Skyreach [--scale N] [--fullscreen]\n"
                     "       Skyreach --install [--data PATH] [--help-file PATH] [--registry PATH]\n"
                     "       Skyreach --headless [--script FILE] [--registry PATH] [--data PATH] "
                     "[--shot-scale N] [--gallery]\n"
                     "       Skyreach --version\n");
}

bool ParseNumber(const char* text, int low, int high, int* value)
{
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (!end || *end != 0 || parsed < low || parsed > high)
        return false;
    *value = static_cast<int>(parsed);
    return true;
}

// Milliseconds of a monotonic clock, for the start-up report only.
double NowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

std::string Absolute(const std::string& path)
{
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string out = resolved;
    std::free(resolved);
    return out;
}

bool FileExists(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return in.good();
}

Host* s_failureHost = nullptr;

// Assertion and fatal-error boxes through the host's dialogs.
FailureAnswer HostFailure(FailureKind kind, const char* caption, const char* text)
{
    // The text goes to stderr once: the headless host echoes its message
    // boxes there itself, a desktop dialog does not.
    const HeadlessHost* headless = dynamic_cast<const HeadlessHost*>(s_failureHost);
    if (!headless || !headless->EchoesMessages())
        std::fprintf(stderr, "%s: %s\n", caption, text);
    if (!s_failureHost)
        return kind == FailureKind::Assertion ? FailureAnswer::Abort : FailureAnswer::Cancel;
    const HostAnswer answer = s_failureHost->MessageBox(
        caption, text,
        kind == FailureKind::Assertion ? HostButtons::AbortRetryIgnore : HostButtons::RetryCancel);
    switch (answer)
    {
    case HostAnswer::Retry:
        return FailureAnswer::Retry;
    case HostAnswer::Ignore:
        return FailureAnswer::Ignore;
    case HostAnswer::Abort:
        return FailureAnswer::Abort;
    default:
        return FailureAnswer::Cancel;
    }
}

// The file to record when none is named: the build's own, else the installed one.
std::string DefaultFile(const char* built, const char* installedName)
{
    const std::string installed = InstalledFiles::ForThisProgram().Find(installedName);
    return FileExists(built) || installed.empty() ? built : installed;
}

int Install(const Options& options)
{
    const std::string data =
        Absolute(options.data.empty() ? DefaultFile(SKYREACH_DEFAULT_DATA, InstalledFiles::DATA_FILE_NAME)
                                      : options.data);
    const std::string help =
        Absolute(options.help.empty() ? DefaultFile(SKYREACH_DEFAULT_HELP, InstalledFiles::MANUAL_NAME)
                                      : options.help);
    if (!FileExists(data))
    {
        std::fprintf(stderr, "Skyreach --install: the data file %s does not exist (build it first).\n",
                     data.c_str());
        return 1;
    }
    if (!FileExists(help))
        std::fprintf(stderr, "Skyreach --install: warning: the manual %s does not exist.\n", help.c_str());
    std::string error;
    if (!InstalledFiles::Record({data, help}, &error))
    {
        std::fprintf(stderr, "Skyreach --install: %s\n", error.c_str());
        return 1;
    }
    std::printf("Installed into %s:\n  Resource File = %s\n  Help File = %s\n",
                RegistryStore::Default().GetPath().c_str(), data.c_str(), help.c_str());
    return 0;
}

void ReportMemory()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    DebugPrintf("Peak tracked heap: %zu bytes; peak resident memory: %ld KiB\n",
                CrtDbg::Global().GetPeakBytes(), usage.ru_maxrss);
}

// The game on a host: shared graphics, the application object, the loop,
// then the save. `drive` runs the loop.
template <class Drive> int RunGame(Host& host, Drive drive)
{
    SetHost(&host);
    s_failureHost = &host;
    SetFailureHandler(HostFailure);
    // An installed copy records where its data file and manual are on its first start.
    std::string missing;
    FATAL(!InstalledFiles::ForThisProgram().RecordMissing(&missing) && !DataFile::Current(), missing.c_str());
    GfxResources::Init();
    DebugPrintf("Start-up: shared graphics loaded\n");
    int result = 0;
    {
        SkyreachApp app;
        result = drive(app);
        app.SaveGame();
    }
    GfxResources::Release();
    ReportMemory();
    SetFailureHandler(nullptr);
    s_failureHost = nullptr;
    SetHost(nullptr);
    return result;
}

// Runs the script on the application; non-zero with the reason on stderr.
int RunScript(const Options& options, HeadlessHost& host, Application& app)
{
    HostScript script(host, app);
    script.SetShotScale(options.shotScale);
    app.Init();
    std::string error;
    bool ok = true;
    if (options.script.empty())
        ok = script.Run(std::cin, &error);
    else
    {
        std::ifstream in(options.script);
        if (!in)
        {
            std::fprintf(stderr, "Skyreach: couldn't open the script %s\n", options.script.c_str());
            return 1;
        }
        ok = script.Run(in, &error);
    }
    if (!ok)
    {
        std::fprintf(stderr, "Skyreach: script %s: %s\n",
                     options.script.empty() ? "(stdin)" : options.script.c_str(), error.c_str());
        return 1;
    }
    return 0;
}

// The lock of the store the game saves in.
std::string StoreLockName()
{
    return InstanceLock::NameForStore(std::string(SkyreachApp::COMPANY_NAME) + SkyreachApp::APPLICATION_NAME,
                                      RegistryStore::Default().GetPath());
}

int RunHeadless(const Options& options)
{
    HeadlessHost host(0);
    if (options.gallery)
    {
        // The control gallery: every game control on one form; nothing is saved.
        SetHost(&host);
        int result = 0;
        {
            ControlGalleryApp app;
            result = RunScript(options, host, app);
        }
        SetHost(nullptr);
        return result;
    }
    InstanceLock lock(StoreLockName(), "", nullptr);
    switch (lock.Hold())
    {
    case InstanceLock::Result::Held:
        std::fprintf(stderr,
                     "Skyreach: another copy of the game is running on the store %s; a run on it would "
                     "overwrite that copy's save. Give this run a store of its own with --registry PATH.\n",
                     RegistryStore::Default().GetPath().c_str());
        return 1;
    case InstanceLock::Result::Failed:
        std::fprintf(stderr, "Skyreach: warning: couldn't make the lock file %s; not guarding the store\n",
                     lock.LockPath().c_str());
        break;
    default:
        break;
    }
    return RunGame(host, [&](SkyreachApp& app) { return RunScript(options, host, app); });
}

int RunDesktop(const Options& options, double started)
{
    // One running copy per store: a second start raises the first.
    InstanceLock lock(StoreLockName(), "", [] { SdlHost::PostRaise(); });
    switch (lock.Acquire())
    {
    case InstanceLock::Result::Acquired:
        break;
    case InstanceLock::Result::OtherRaised:
        return 0;
    case InstanceLock::Result::Held:
    case InstanceLock::Result::OtherUnreachable:
        FATAL(true, "Another application instance is running, but application window couldn't be found");
        return -1;
    case InstanceLock::Result::Failed:
        std::fprintf(
            stderr, "Skyreach: warning: couldn't make the lock file %s; not guarding against a second copy\n",
            lock.LockPath().c_str());
        break;
    }

    SdlHostOptions hostOptions;
    hostOptions.scale = options.scale;
    hostOptions.fullscreen = options.fullscreen;
    std::string error;
    std::unique_ptr<SdlHost> host = SdlHost::Create(hostOptions, error);
    DebugPrintf("Start-up: window open %.1f ms after start\n", NowMs() - started);
    if (!host)
    {
        std::fprintf(
            stderr,
            "Skyreach: %s.\nThe game needs a display to open its window (set DISPLAY, or run it under "
            "xvfb-run). For scripted runs without a display use: Skyreach --headless --script FILE\n",
            error.c_str());
        return options.windowAsked ? 1 : 0;
    }
    return RunGame(*host,
                   [&](SkyreachApp& app)
                   {
                       app.Init();
                       DebugPrintf("First frame presented %.1f ms after start\n", NowMs() - started);
                       while (app.Step(true))
                       {
                       }
                       return 0;
                   });
}
} // namespace

int main(int argc, char** argv)
{
    const double started = NowMs();
    Options options;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        auto next = [&](const char* what) -> const char*
        {
            if (i + 1 >= argc)
            {
                std::fprintf(stderr, "Skyreach: %s needs %s\n", arg.c_str(), what);
                Usage(stderr);
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--version")
        {
            std::printf("%s %s\n", SkyreachApp::APPLICATION_NAME, SkyreachApp::VERSION_TEXT);
            return 0;
        }
        else if (arg == "--help" || arg == "-h")
        {
            Usage(stdout);
            return 0;
        }
        else if (arg == "--install")
            options.install = true;
        else if (arg == "--headless")
            options.headless = true;
        else if (arg == "--gallery")
            options.gallery = true;
        else if (arg == "--fullscreen")
        {
            options.fullscreen = true;
            options.windowAsked = true;
        }
        else if (arg == "--scale")
        {
            if (!ParseNumber(next("a number"), 1, 16, &options.scale))
            {
                std::fprintf(stderr, "Skyreach: --scale takes a whole number from 1 to 16\n");
                return 2;
            }
            options.windowAsked = true;
        }
        else if (arg == "--shot-scale")
        {
            if (!ParseNumber(next("a number"), 1, 16, &options.shotScale))
            {
                std::fprintf(stderr, "Skyreach: --shot-scale takes a whole number from 1 to 16\n");
                return 2;
            }
        }
        else if (arg == "--data")
            options.data = next("a path");
        else if (arg == "--help-file")
            options.help = next("a path");
        else if (arg == "--script")
            options.script = next("a file");
        else if (arg == "--registry")
            options.registry = next("a path");
        else
        {
            std::fprintf(stderr, "Skyreach: unknown option %s\n", arg.c_str());
            Usage(stderr);
            return 2;
        }
    }

    if (!options.registry.empty())
        RegistryStore::UseFile(options.registry);
    if (options.install)
        return Install(options);
    if (!options.data.empty())
    {
        if (!FileExists(options.data))
        {
            std::fprintf(stderr, "Skyreach: the data file %s does not exist\n", options.data.c_str());
            return 1;
        }
        DataFile::UseFile(options.data);
    }
    if (options.headless)
        return RunHeadless(options);
    return RunDesktop(options, started);
}
