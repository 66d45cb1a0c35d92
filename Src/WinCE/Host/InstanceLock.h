// Keeps the game to one running copy per store.
//
// The save lives in the preference store, so two copies on one store would
// overwrite each other's save: the lock is named after the store
// (NameForStore), and runs on stores of their own never meet. The first
// windowed start takes an exclusive lock on a lock file and listens on a
// local socket beside it (Acquire). A later start finds the lock taken, asks
// the first copy through the socket to bring its window to the front and
// then leaves. A run without a window only holds the lock (Hold): it has no
// window to raise and, finding the store taken, refuses to run on it. The
// lock dies with the process, so a crash never leaves a stale lock behind.
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
        Acquired,         // this is the only copy; the listener runs
        OtherRaised,      // another copy runs and was asked to come to the front
        OtherUnreachable, // another copy holds the lock but does not answer
        Held,             // another copy holds the lock (Hold asks it nothing)
        Failed,           // the lock file could not be made
    };

    // `directory` holds the lock file and the socket; empty means
    // $XDG_RUNTIME_DIR, else /tmp. `onRaise` is called on the listener thread.
    InstanceLock(const std::string& name, const std::string& directory, std::function<void()> onRaise);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock and listens for later starts, or asks the holder to
    // come to the front.
    Result Acquire();
    // Takes the lock without listening and without asking a holder
    // anything: Acquired, Held or Failed.
    Result Hold();
    const std::string& LockPath() const { return _lockPath; }

    // The lock's name for a store file: `prefix` and a digest of the store's
    // absolute path (the same store under another spelling of its path gives
    // the same name).
    static std::string NameForStore(const std::string& prefix, const std::string& storePath);

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
