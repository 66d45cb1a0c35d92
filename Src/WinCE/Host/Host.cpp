#include "WinCE/Host/Host.h"

#include "WinCE/TickCount.h"

#ifndef __EMSCRIPTEN__
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;
#endif

namespace
{
Host* s_host = nullptr;

uint32_t HostTicks(void* context)
{
    return static_cast<Host*>(context)->Ticks();
}
} // namespace

Host::~Host()
{
    if (s_host == this)
        SetHost(nullptr);
}

bool Host::OpenDocument(const std::string& path)
{
#ifdef __EMSCRIPTEN__
    // A page starts no programs; the browser host opens documents itself.
    (void)path;
    return false;
#else
    // The desktop's opener decides which program shows the manual; we only
    // wait for the opener itself, which returns at once.
    const char* argv[] = {"xdg-open", path.c_str(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
#endif
}

void Host::StoreWritten(const std::string&)
{
}

HostKeyTable Host::GetDefaultKeys() const
{
    return HostKeyTable{HOSTKEY_UP, HOSTKEY_DOWN, HOSTKEY_LEFT, HOSTKEY_RIGHT,
                        HOSTKEY_A,  HOSTKEY_B,    HOSTKEY_C,    HOSTKEY_START};
}

Host* GetHost()
{
    return s_host;
}

void SetHost(Host* host)
{
    s_host = host;
    // The tick count follows the host, so a headless run with a fake clock
    // drives the game's time as well.
    if (host)
        SetTickSource(HostTicks, host);
    else
        SetTickSource(nullptr, nullptr);
}
