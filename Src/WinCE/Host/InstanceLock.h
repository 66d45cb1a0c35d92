// Keeps the game to one running copy per user.
//
// The first start takes an exclusive lock on a lock file and listens on a
// local socket beside it. A later start finds the lock taken, asks the first
// copy through the socket to bring its window to the front and then leaves.
// The lock dies with the process, so a crash never leaves a stale lock behind.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

class InstanceLock
{
public:
    enum class Result
    {
        Acquired,       // this is the only copy; the listener runs
        OtherRaised,    // another copy runs and was asked to come to the front
        OtherUnreachable, // another copy holds the lock but does not answer
        Failed,         // the lock file could not be made
    };

    // `directory` holds the lock file and the socket; empty means
    // $XDG_RUNTIME_DIR, else /tmp. `onRaise` is called on the listener thread.
    InstanceLock(const std::string& name, const std::string& directory, std::function<void()> onRaise);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Result Acquire();
    const std::string& LockPath() const { return _lockPath; }

private:
    void Listen();

    std::string _lockPath;
    std::string _socketPath;
    std::function<void()> _onRaise;
    int _lockFd = -1;
    int _listenFd = -1;
    int _wakeFd[2] = {-1, -1};
    std::thread _listener;
};
