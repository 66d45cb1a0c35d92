#include "WinCE/Host/InstanceLock.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
const char RAISE_REQUEST[] = "raise\n";
const char RAISE_ANSWER[] = "ok\n";

bool FillAddress(const std::string& path, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}
} // namespace

InstanceLock::InstanceLock(const std::string& name, const std::string& directory, std::function<void()> onRaise)
    : _onRaise(std::move(onRaise))
{
    std::string dir = directory;
    if (dir.empty())
    {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        dir = runtime && *runtime ? runtime : "/tmp";
    }
    const std::string base = dir + "/" + name + "-" + std::to_string(getuid());
    _lockPath = base + ".lock";
    _socketPath = base + ".sock";
}

InstanceLock::~InstanceLock()
{
    if (_listener.joinable())
    {
        const char stop = 'x';
        (void)!write(_wakeFd[1], &stop, 1);
        _listener.join();
    }
    if (_listenFd >= 0)
    {
        close(_listenFd);
        unlink(_socketPath.c_str());
    }
    for (int fd : _wakeFd)
        if (fd >= 0)
            close(fd);
    if (_lockFd >= 0)
        close(_lockFd);
}

std::string InstanceLock::NameForStore(const std::string& prefix, const std::string& storePath)
{
    // The store may not exist yet at the first start: its folder decides.
    std::error_code failed;
    std::filesystem::path path =
        std::filesystem::weakly_canonical(std::filesystem::absolute(storePath, failed), failed);
    if (failed)
        path = storePath;
    // FNV-1a over the path: short enough for a socket name, and two stores
    // sharing a digest would only share a lock.
    uint64_t digest = 0xcbf29ce484222325ull;
    for (const unsigned char c : path.string())
    {
        digest ^= c;
        digest *= 0x100000001b3ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016" PRIx64, digest);
    return prefix + "-" + hex;
}

InstanceLock::Result InstanceLock::Hold()
{
    _lockFd = open(_lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (_lockFd < 0)
        return Result::Failed;
    if (flock(_lockFd, LOCK_EX | LOCK_NB) != 0)
    {
        const int error = errno;
        close(_lockFd);
        _lockFd = -1;
        return error == EWOULDBLOCK ? Result::Held : Result::Failed;
    }
    return Result::Acquired;
}

InstanceLock::Result InstanceLock::Acquire()
{
    const Result taken = Hold();
    if (taken == Result::Failed)
        return Result::Failed;
    if (taken == Result::Held)
    {
        // Another copy runs: ask it to come to the front and wait briefly for its answer.
        sockaddr_un address;
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0 || !FillAddress(_socketPath, address) ||
            connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            write(fd, RAISE_REQUEST, sizeof RAISE_REQUEST - 1) != ssize_t(sizeof RAISE_REQUEST - 1))
        {
            if (fd >= 0)
                close(fd);
            return Result::OtherUnreachable;
        }
        pollfd p{fd, POLLIN, 0};
        char answer[8] = {};
        const bool answered = poll(&p, 1, 2000) == 1 && read(fd, answer, sizeof answer - 1) > 0 &&
                              std::strcmp(answer, RAISE_ANSWER) == 0;
        close(fd);
        return answered ? Result::OtherRaised : Result::OtherUnreachable;
    }

    // We hold the lock, so any socket file left behind is stale.
    unlink(_socketPath.c_str());
    sockaddr_un address;
    _listenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (_listenFd < 0 || !FillAddress(_socketPath, address) ||
        bind(_listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(_listenFd, 4) != 0 ||
        pipe2(_wakeFd, O_CLOEXEC) != 0)
    {
        // Running without the listener only means a second start cannot
        // raise this window; the lock itself still holds.
        if (_listenFd >= 0)
            close(_listenFd);
        _listenFd = -1;
        return Result::Acquired;
    }
    _listener = std::thread([this] { Listen(); });
    return Result::Acquired;
}

void InstanceLock::Listen()
{
    for (;;)
    {
        pollfd fds[2] = {{_listenFd, POLLIN, 0}, {_wakeFd[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0)
        {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents)
            return;
        if (!(fds[0].revents & POLLIN))
            continue;
        const int client = accept4(_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        pollfd p{client, POLLIN, 0};
        char request[16] = {};
        if (poll(&p, 1, 2000) == 1 && read(client, request, sizeof request - 1) > 0 &&
            std::strcmp(request, RAISE_REQUEST) == 0)
        {
            if (_onRaise)
                _onRaise();
            (void)!write(client, RAISE_ANSWER, sizeof RAISE_ANSWER - 1);
        }
        close(client);
    }
}
