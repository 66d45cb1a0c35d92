// The registry of this platform: a SQLite database file that stands in for
// the device registry.
//
// Keys are named by a root (HKEY_LOCAL_MACHINE, ...) and a backslash path
// ("Software\Northgate Soft\Jet Warden"); each key holds named values with a
// kind (string, expandable string, binary, 32-bit number) and their bytes.
// Key paths and value names compare without regard to ASCII case, as in the
// device registry. `RegKey` and `RegValue` are the game's view; this class is
// the storage underneath and the only code that talks to SQLite.
//
// Every single write is durable when it returns. A `RegistryTransaction`
// groups writes (a whole saved game) so they land together or not at all,
// even when the process dies in the middle. After each change that lasts
// (the outermost commit, or a single write outside a transaction) the host
// hears of it, so a host whose files are not lasting can copy the file.
//
// The default file is $XDG_DATA_HOME (else ~/.local/share)
// "/Northgate Soft/Jet Warden/registry.sqlite3"; SKYREACH_REGISTRY=path
// overrides it, and `UseFile` switches to another file (tests, tools). The
// file and its folder are created on first use. A file that is not a store
// of ours is never written to: opening it is a fatal error naming the file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;

using RegRoot = uint32_t;
constexpr RegRoot HKEY_CLASSES_ROOT = 0x80000000u;
constexpr RegRoot HKEY_CURRENT_USER = 0x80000001u;
constexpr RegRoot HKEY_LOCAL_MACHINE = 0x80000002u;
constexpr RegRoot HKEY_USERS = 0x80000003u;

// Value kinds, numbered as in the device registry.
constexpr uint32_t REG_NONE = 0;
constexpr uint32_t REG_SZ = 1;
constexpr uint32_t REG_EXPAND_SZ = 2;
constexpr uint32_t REG_BINARY = 3;
constexpr uint32_t REG_DWORD = 4;

// Result codes of the store operations, numbered as the platform's.
constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_WRITE_FAULT = 29;
constexpr long ERROR_KEY_DELETED = 1018;

class RegistryStore
{
public:
    // Opens (creating when missing) the store file. Failure is fatal.
    explicit RegistryStore(const std::string& path);
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    // The process's store, opened on first use.
    static RegistryStore& Default();
    // Closes the process's store; the next Default() opens `path` (an empty
    // path means the default location again). No key may be open.
    static void UseFile(const std::string& path);
    static void CloseDefault();
    // Where the default store lives, from the environment.
    static std::string DefaultPath();

    static constexpr int SCHEMA_VERSION = 1;

    const std::string& GetPath() const { return _path; }

    // Key identifiers are positive; 0 means "no key".
    long OpenKey(RegRoot root, const std::string& path, bool create, int64_t* keyId);
    long DeleteKey(RegRoot root, const std::string& path);
    // The path of an open key, for building sub-key paths.
    bool KeyPath(int64_t keyId, RegRoot* root, std::string* path);

    long QueryValue(int64_t keyId, const std::string& name, uint32_t* type, std::vector<uint8_t>* data);
    long SetValue(int64_t keyId, const std::string& name, uint32_t type, const uint8_t* data, uint32_t size);
    long DeleteValue(int64_t keyId, const std::string& name);
    // Value names of a key in name order (for tools and tests).
    std::vector<std::string> ValueNames(int64_t keyId);

    // The text of the last SQLite failure, for messages.
    const std::string& LastError() const { return _lastError; }

    // Transactions; used through RegistryTransaction.
    bool Begin();
    bool Commit();
    void Rollback();
    int TransactionDepth() const { return _depth; }

    // Bookkeeping of open keys, so the file is not switched under them.
    void KeyOpened() { ++_openKeys; }
    void KeyClosed() { --_openKeys; }
    int OpenKeys() const { return _openKeys; }

    // The connection, for tests that need to tune it.
    sqlite3* Database() const { return _db; }

private:
    void Fail(const char* what);
    // Tells the host of a change that lasts; nothing inside a transaction.
    void Written();
    bool Exec(const char* sql);
    void CreateSchema();
    void CheckSchema();

    std::string _path;
    sqlite3* _db;
    std::string _lastError;
    int _depth;
    int _openKeys;
};
