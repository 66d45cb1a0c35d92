#include "WinCE/RegistryStore.h"

#include "WinCE/Assert.h"
#include "WinCE/DebugOutput.h"
#include "WinCE/Host/Host.h"

#include <sqlite3.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace
{
// "JWRN": marks a database as a store of this game, so that a database of
// some other program named by mistake is refused rather than written into.
constexpr int APPLICATION_ID = 0x4A57524E;

std::unique_ptr<RegistryStore> s_default;
std::string s_defaultPathOverride;

// A prepared statement that finalises itself.
class Statement
{
public:
    Statement(sqlite3* db, const char* sql) : _stmt(nullptr)
    {
        if (db)
            sqlite3_prepare_v2(db, sql, -1, &_stmt, nullptr);
    }
    ~Statement() { sqlite3_finalize(_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Ok() const { return _stmt != nullptr; }
    void Bind(int index, int64_t value) { sqlite3_bind_int64(_stmt, index, value); }
    void Bind(int index, const std::string& text)
    {
        sqlite3_bind_text(_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void BindBlob(int index, const uint8_t* data, uint32_t size)
    {
        // A zero-length blob is still a blob, never NULL: an empty value exists.
        static const uint8_t empty = 0;
        sqlite3_bind_blob(_stmt, index, size ? data : &empty, static_cast<int>(size), SQLITE_TRANSIENT);
    }
    int Step() { return _stmt ? sqlite3_step(_stmt) : SQLITE_ERROR; }
    int64_t Int(int column) { return sqlite3_column_int64(_stmt, column); }
    std::string Text(int column)
    {
        const unsigned char* text = sqlite3_column_text(_stmt, column);
        return text ? std::string(reinterpret_cast<const char*>(text), sqlite3_column_bytes(_stmt, column))
                    : std::string();
    }
    std::vector<uint8_t> Blob(int column)
    {
        const uint8_t* data = static_cast<const uint8_t*>(sqlite3_column_blob(_stmt, column));
        const int size = sqlite3_column_bytes(_stmt, column);
        return data ? std::vector<uint8_t>(data, data + size) : std::vector<uint8_t>();
    }

private:
    sqlite3_stmt* _stmt;
};

// Backslash-separated components without empty ones: "A\\B\" is "A\B".
std::string NormalisePath(const std::string& path)
{
    std::string out;
    size_t start = 0;
    while (start <= path.size())
    {
        size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
        {
            if (!out.empty())
                out.push_back('\\');
            out.append(path, start, end - start);
        }
        start = end + 1;
    }
    return out;
}

[[noreturn]] void StopWith(const std::string& message)
{
    FatalError(message.c_str());
    // A debugger asked to carry on: there is no store to carry on with.
    std::exit(-1);
}
} // namespace

RegistryStore::RegistryStore(const std::string& path) : _path(path), _db(nullptr), _depth(0), _openKeys(0)
{
    const std::filesystem::path file(path);
    if (file.has_parent_path())
    {
        std::error_code error;
        std::filesystem::create_directories(file.parent_path(), error);
        if (error)
            StopWith("Couldn't create the folder of the preference store '" + path + "': " + error.message());
    }
    if (std::filesystem::is_directory(file))
        StopWith("The preference store '" + path + "' is a folder, not a file.");

    const int rc = sqlite3_open_v2(path.c_str(), &_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK)
    {
        const std::string reason = _db ? sqlite3_errmsg(_db) : sqlite3_errstr(rc);
        sqlite3_close(_db);
        _db = nullptr;
        StopWith("Couldn't open the preference store '" + path + "': " + reason);
    }
    if (sqlite3_db_readonly(_db, "main") == 1)
        StopWith("The preference store '" + path + "' is read-only; the game could not save into it.");
    sqlite3_busy_timeout(_db, 5000);
    CheckSchema();
    Exec("PRAGMA foreign_keys = ON");
    Exec("PRAGMA synchronous = FULL");
}

RegistryStore::~RegistryStore()
{
    // A fatal error inside a transaction ends the process through the exit
    // handlers: what was written so far is dropped, as if the process had
    // been killed.
    if (_depth > 0 && _db && !sqlite3_get_autocommit(_db))
        Exec("ROLLBACK");
    sqlite3_close(_db);
}

void RegistryStore::CheckSchema()
{
    // The first read tells whether this is a database at all; nothing is
    // written before the file has been recognised as ours or as empty.
    int64_t applicationId = 0;
    int64_t version = 0;
    int64_t objects = 0;
    {
        Statement query(_db, "SELECT (SELECT application_id FROM pragma_application_id), "
                             "(SELECT user_version FROM pragma_user_version), "
                             "(SELECT count(*) FROM sqlite_master)");
        if (!query.Ok() || query.Step() != SQLITE_ROW)
            StopWith("The preference store '" + _path + "' is not a valid database (" + sqlite3_errmsg(_db) +
                     "). It was left as it is; move it away or point SKYREACH_REGISTRY at another file.");
        applicationId = query.Int(0);
        version = query.Int(1);
        objects = query.Int(2);
    }
    if (applicationId == 0 && objects == 0)
    {
        CreateSchema();
        return;
    }
    if (applicationId != APPLICATION_ID)
        StopWith("The file '" + _path +
                 "' is a database of another program, not a preference store of this game. It was left as "
                 "it is; point SKYREACH_REGISTRY at another file.");
    if (version > SCHEMA_VERSION)
        StopWith("The preference store '" + _path + "' was written by a newer version of the game (schema " +
                 std::to_string(version) + ", this version reads " + std::to_string(SCHEMA_VERSION) +
                 "). It was left as it is.");
    if (version < 1)
        StopWith("The preference store '" + _path + "' is damaged (no schema version). It was left as it is.");
}

void RegistryStore::CreateSchema()
{
    const bool ok = Exec("BEGIN IMMEDIATE") &&
                    Exec("CREATE TABLE IF NOT EXISTS keys ("
                         " id INTEGER PRIMARY KEY,"
                         " root INTEGER NOT NULL,"
                         " path TEXT NOT NULL COLLATE NOCASE,"
                         " UNIQUE (root, path))") &&
                    Exec("CREATE TABLE IF NOT EXISTS key_values ("
                         " key INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,"
                         " name TEXT NOT NULL COLLATE NOCASE,"
                         " type INTEGER NOT NULL,"
                         " data BLOB NOT NULL,"
                         " PRIMARY KEY (key, name))") &&
                    Exec(("PRAGMA application_id = " + std::to_string(APPLICATION_ID)).c_str()) &&
                    Exec(("PRAGMA user_version = " + std::to_string(SCHEMA_VERSION)).c_str()) && Exec("COMMIT");
    if (!ok)
    {
        const std::string reason = _lastError;
        Exec("ROLLBACK");
        StopWith("Couldn't set up the preference store '" + _path + "': " + reason);
    }
    Written();
}

void RegistryStore::Written()
{
    // Inside a transaction nothing has lasted yet: the outermost commit tells.
    if (_depth > 0)
        return;
    if (Host* host = GetHost())
        host->StoreWritten(_path);
}

void RegistryStore::Fail(const char* what)
{
    _lastError = std::string(what) + ": " + (_db ? sqlite3_errmsg(_db) : "the store is not open");
    DebugPrintf("Preference store '%s': %s\n", _path.c_str(), _lastError.c_str());
}

bool RegistryStore::Exec(const char* sql)
{
    if (!_db)
        return false;
    if (sqlite3_exec(_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
    {
        Fail(sql);
        return false;
    }
    return true;
}

RegistryStore& RegistryStore::Default()
{
    if (!s_default)
        s_default = std::make_unique<RegistryStore>(s_defaultPathOverride.empty() ? DefaultPath()
                                                                                   : s_defaultPathOverride);
    return *s_default;
}

void RegistryStore::UseFile(const std::string& path)
{
    CloseDefault();
    s_defaultPathOverride = path;
}

void RegistryStore::CloseDefault()
{
    if (s_default)
        ASSERT(s_default->OpenKeys() == 0 && "registry keys are still open on the store being closed");
    s_default.reset();
}

std::string RegistryStore::DefaultPath()
{
    const char* overridePath = std::getenv("SKYREACH_REGISTRY");
    if (overridePath && *overridePath)
        return overridePath;
    std::string base;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    // Relative values are to be ignored, as the base directory rules say.
    if (dataHome && dataHome[0] == '/')
        base = dataHome;
    else
    {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : ".") + "/.local/share";
    }
    return base + "/Northgate Soft/Jet Warden/registry.sqlite3";
}

long RegistryStore::OpenKey(RegRoot root, const std::string& path, bool create, int64_t* keyId)
{
    *keyId = 0;
    const std::string key = NormalisePath(path);
    auto find = [&]() {
        Statement query(_db, "SELECT id FROM keys WHERE root = ? AND path = ?");
        query.Bind(1, root);
        query.Bind(2, key);
        const int rc = query.Step();
        if (rc == SQLITE_ROW)
        {
            *keyId = query.Int(0);
            return true;
        }
        if (rc != SQLITE_DONE)
            Fail("open key");
        return false;
    };
    // An existing key opens without taking the write lock.
    if (find())
        return ERROR_SUCCESS;
    if (create)
    {
        // Creating a key creates every missing key above it, all at once.
        if (!Begin())
            return ERROR_WRITE_FAULT;
        size_t end = 0;
        do
        {
            end = key.find('\\', end + 1);
            Statement insert(_db, "INSERT OR IGNORE INTO keys (root, path) VALUES (?, ?)");
            insert.Bind(1, root);
            insert.Bind(2, key.substr(0, end));
            if (insert.Step() != SQLITE_DONE)
            {
                Fail("create key");
                Rollback();
                return ERROR_WRITE_FAULT;
            }
        } while (end != std::string::npos);
        if (!Commit())
            return ERROR_WRITE_FAULT;
    }
    return find() ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

long RegistryStore::DeleteKey(RegRoot root, const std::string& path)
{
    const std::string key = NormalisePath(path);
    Statement remove(_db, "DELETE FROM keys WHERE root = ?1 AND (path = ?2 OR "
                          "substr(path, 1, length(?2) + 1) = ?2 || '\\' COLLATE NOCASE)");
    remove.Bind(1, root);
    remove.Bind(2, key);
    if (remove.Step() != SQLITE_DONE)
    {
        Fail("delete key");
        return ERROR_WRITE_FAULT;
    }
    if (sqlite3_changes(_db) == 0)
        return ERROR_FILE_NOT_FOUND;
    Written();
    return ERROR_SUCCESS;
}

bool RegistryStore::KeyPath(int64_t keyId, RegRoot* root, std::string* path)
{
    Statement query(_db, "SELECT root, path FROM keys WHERE id = ?");
    query.Bind(1, keyId);
    if (query.Step() != SQLITE_ROW)
        return false;
    *root = static_cast<RegRoot>(query.Int(0));
    *path = query.Text(1);
    return true;
}

long RegistryStore::QueryValue(int64_t keyId, const std::string& name, uint32_t* type, std::vector<uint8_t>* data)
{
    Statement query(_db, "SELECT type, data FROM key_values WHERE key = ? AND name = ?");
    query.Bind(1, keyId);
    query.Bind(2, name);
    const int rc = query.Step();
    if (rc != SQLITE_ROW)
    {
        if (rc != SQLITE_DONE)
            Fail("read value");
        return ERROR_FILE_NOT_FOUND;
    }
    *type = static_cast<uint32_t>(query.Int(0));
    *data = query.Blob(1);
    return ERROR_SUCCESS;
}

long RegistryStore::SetValue(int64_t keyId, const std::string& name, uint32_t type, const uint8_t* data,
                             uint32_t size)
{
    {
        Statement exists(_db, "SELECT 1 FROM keys WHERE id = ?");
        exists.Bind(1, keyId);
        const int rc = exists.Step();
        if (rc == SQLITE_DONE)
            return ERROR_KEY_DELETED;
        if (rc != SQLITE_ROW)
        {
            Fail("write value");
            return ERROR_WRITE_FAULT;
        }
    }
    {
        // Every value object is written back, also one that was only read;
        // an unchanged value costs no write (and no wait for the disk).
        std::vector<uint8_t> oldData;
        Statement query(_db, "SELECT type, data FROM key_values WHERE key = ? AND name = ?");
        query.Bind(1, keyId);
        query.Bind(2, name);
        if (query.Step() == SQLITE_ROW && static_cast<uint32_t>(query.Int(0)) == type)
        {
            oldData = query.Blob(1);
            if (oldData.size() == size && (size == 0 || std::memcmp(oldData.data(), data, size) == 0))
                return ERROR_SUCCESS;
        }
    }
    Statement write(_db, "INSERT OR REPLACE INTO key_values (key, name, type, data) VALUES (?, ?, ?, ?)");
    write.Bind(1, keyId);
    write.Bind(2, name);
    write.Bind(3, type);
    write.BindBlob(4, data, size);
    if (write.Step() != SQLITE_DONE)
    {
        Fail(("write value '" + name + "'").c_str());
        return ERROR_WRITE_FAULT;
    }
    Written();
    return ERROR_SUCCESS;
}

long RegistryStore::DeleteValue(int64_t keyId, const std::string& name)
{
    Statement remove(_db, "DELETE FROM key_values WHERE key = ? AND name = ?");
    remove.Bind(1, keyId);
    remove.Bind(2, name);
    if (remove.Step() != SQLITE_DONE)
    {
        Fail("delete value");
        return ERROR_WRITE_FAULT;
    }
    if (sqlite3_changes(_db) == 0)
        return ERROR_FILE_NOT_FOUND;
    Written();
    return ERROR_SUCCESS;
}

std::vector<std::string> RegistryStore::ValueNames(int64_t keyId)
{
    std::vector<std::string> names;
    Statement query(_db, "SELECT name FROM key_values WHERE key = ? ORDER BY name");
    query.Bind(1, keyId);
    while (query.Step() == SQLITE_ROW)
        names.push_back(query.Text(0));
    return names;
}

bool RegistryStore::Begin()
{
    // The outermost level takes the write lock at once, so a transaction
    // never fails half-way for want of it; inner levels are savepoints.
    const bool ok = _depth == 0 ? Exec("BEGIN IMMEDIATE")
                                : Exec(("SAVEPOINT level" + std::to_string(_depth)).c_str());
    if (ok)
        ++_depth;
    return ok;
}

bool RegistryStore::Commit()
{
    ASSERT(_depth > 0 && "commit without a transaction");
    const bool ok = _depth == 1 ? Exec("COMMIT") : Exec(("RELEASE level" + std::to_string(_depth - 1)).c_str());
    if (!ok)
    {
        Rollback();
        return false;
    }
    --_depth;
    Written();
    return true;
}

void RegistryStore::Rollback()
{
    ASSERT(_depth > 0 && "rollback without a transaction");
    if (_depth == 1)
    {
        // A failed COMMIT may already have ended the transaction itself.
        if (!sqlite3_get_autocommit(_db))
            Exec("ROLLBACK");
    }
    else
    {
        const std::string level = "level" + std::to_string(_depth - 1);
        Exec(("ROLLBACK TO " + level).c_str());
        Exec(("RELEASE " + level).c_str());
    }
    --_depth;
}
