#include "WinCE/Assert.h"
#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/Preferences.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegValue.h"
#include "WinCE/RegistryStore.h"
#include "WinCE/RegistryTransaction.h"
#include "WinCE/TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
class RegistryStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        _path = _folder / "store/registry.sqlite3";
        RegistryStore::UseFile(_path);
        RegKey app(HKEY_LOCAL_MACHINE, RegKey::AppKeyPath().c_str(), true);
        ASSERT_TRUE(app.IsOpen());
    }
    void TearDown() override { RegistryStore::UseFile(""); }

    // Writes a saved game the way the application does: pieces of at most
    // 4096 bytes, then the stale tail emptied.
    static void Save(const std::vector<uint8_t>& bytes)
    {
        uint16_t index = 0;
        for (size_t at = 0; at < bytes.size(); at += 4096, ++index)
        {
            const size_t piece = std::min<size_t>(4096, bytes.size() - at);
            Preferences::SetPreference(bytes.data() + at, static_cast<uint32_t>(piece), index);
        }
        while (Preferences::GetPreferenceSize(index) > 0)
            Preferences::SetPreference(nullptr, 0, index++);
    }

    static std::vector<uint8_t> Restore()
    {
        std::vector<uint8_t> bytes;
        for (uint16_t index = 0;; ++index)
        {
            const uint32_t size = Preferences::GetPreferenceSize(index);
            if (size == 0)
                break;
            const size_t at = bytes.size();
            bytes.resize(at + size);
            Preferences::GetPreference(bytes.data() + at, size, index);
        }
        return bytes;
    }

    static std::vector<uint8_t> Game(uint8_t fill, size_t size)
    {
        std::vector<uint8_t> bytes(size);
        for (size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<uint8_t>(fill + i % 7);
        return bytes;
    }

    TempFolder _folder;
    std::string _path;
};
} // namespace

TEST_F(RegistryStoreTest, TheFileAndItsFolderAreCreatedWithASchemaVersion)
{
    ASSERT_TRUE(std::filesystem::exists(_path));
    sqlite3* db = RegistryStore::Default().Database();
    sqlite3_stmt* stmt = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &stmt, nullptr));
    ASSERT_EQ(SQLITE_ROW, sqlite3_step(stmt));
    EXPECT_EQ(RegistryStore::SCHEMA_VERSION, sqlite3_column_int(stmt, 0));
    sqlite3_finalize(stmt);
}

TEST_F(RegistryStoreTest, ASaveAndItsShorterSuccessor)
{
    Save(Game(1, 10000));
    EXPECT_EQ(Game(1, 10000), Restore());
    // A shorter save empties the pieces the longer one left behind.
    Save(Game(2, 4096));
    EXPECT_EQ(Game(2, 4096), Restore());
    EXPECT_EQ(0u, Preferences::GetPreferenceSize(1));
    EXPECT_EQ(0u, Preferences::GetPreferenceSize(2));
}

TEST_F(RegistryStoreTest, ATransactionLandsWholeOnCommitAndNotAtAllOtherwise)
{
    Save(Game(1, 9000));
    {
        RegistryTransaction transaction;
        Save(Game(5, 20000));
        EXPECT_EQ(Game(5, 20000), Restore()); // visible inside
        // Left without Commit: rolled back.
    }
    EXPECT_EQ(Game(1, 9000), Restore());
    {
        RegistryTransaction transaction;
        Save(Game(6, 5000));
        {
            RegistryTransaction inner;
            Preferences::SetPreference("x", 1, 40);
            inner.Rollback();
        }
        EXPECT_TRUE(transaction.Commit());
    }
    EXPECT_EQ(Game(6, 5000), Restore());
    EXPECT_EQ(0u, Preferences::GetPreferenceSize(40));
    EXPECT_EQ(0, RegistryStore::Default().TransactionDepth());
}

// A host whose files do not last copies the store after every change that
// lasts: once per outermost transaction, once per single write outside one,
// never for a rollback or a write that changes nothing.
TEST_F(RegistryStoreTest, TheHostHearsOfEachLastingChangeOnce)
{
    const std::vector<uint8_t> game = Game(3, 9000); // three pieces
    const struct
    {
        const char* what;
        void (*change)(const std::vector<uint8_t>& game);
        size_t told;
    } cases[] = {
        {"a whole save in one transaction",
         [](const std::vector<uint8_t>& g)
         {
             RegistryTransaction transaction;
             Save(g);
             EXPECT_TRUE(transaction.Commit());
         },
         1},
        {"a save rolled back",
         [](const std::vector<uint8_t>& g)
         {
             RegistryTransaction transaction;
             Save(std::vector<uint8_t>(g.rbegin(), g.rend()));
         },
         0},
        {"the same save again, which changes nothing", [](const std::vector<uint8_t>& g) { Save(g); }, 0},
        {"one piece written alone", [](const std::vector<uint8_t>&) { Preferences::SetPreference("x", 1, 0); },
         1},
        {"a nested transaction inside an outer one",
         [](const std::vector<uint8_t>& g)
         {
             RegistryTransaction outer;
             {
                 RegistryTransaction inner;
                 Save(g);
                 EXPECT_TRUE(inner.Commit());
             }
             EXPECT_TRUE(outer.Commit());
         },
         1},
        {"a key deleted alone",
         [](const std::vector<uint8_t>&)
         { EXPECT_EQ(ERROR_SUCCESS, RegistryStore::Default().DeleteKey(HKEY_LOCAL_MACHINE, "Software\\Gone")); },
         1},
    };
    {
        int64_t id = 0;
        ASSERT_EQ(ERROR_SUCCESS, RegistryStore::Default().OpenKey(HKEY_LOCAL_MACHINE, "Software\\Gone", true, &id));
    }
    HeadlessHost host;
    SetHost(&host);
    for (const auto& c : cases)
    {
        const size_t before = host.StoreWrites().size();
        c.change(game);
        EXPECT_EQ(c.told, host.StoreWrites().size() - before) << c.what;
        for (size_t i = before; i < host.StoreWrites().size(); ++i)
            EXPECT_EQ(_path, host.StoreWrites()[i]) << c.what;
    }
    SetHost(nullptr);
}

namespace
{
// Writes a saved game in a child process inside a transaction; the child
// tells the parent when it is in the middle of it (or done, when
// `commit`), and the parent kills it there.
pid_t SaveInChildAndSignal(const std::string& path, const std::vector<uint8_t>& game, bool commit, int* readFd)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0)
    {
        close(fds[0]);
        RegistryStore::UseFile(path);
        // A tiny page cache makes SQLite write changed pages into the
        // database file before the commit, so the kill leaves a file that
        // only the journal can put right.
        sqlite3_exec(RegistryStore::Default().Database(), "PRAGMA cache_size = 2", nullptr, nullptr, nullptr);
        RegistryTransaction transaction;
        uint16_t index = 0;
        for (size_t at = 0; at < game.size(); at += 4096, ++index)
        {
            const size_t piece = std::min<size_t>(4096, game.size() - at);
            Preferences::SetPreference(game.data() + at, static_cast<uint32_t>(piece), index);
        }
        if (commit)
            transaction.Commit();
        const char ready = 'r';
        if (write(fds[1], &ready, 1) != 1)
            _exit(3);
        for (;;)
            pause();
    }
    close(fds[1]);
    *readFd = fds[0];
    return child;
}
} // namespace

TEST_F(RegistryStoreTest, AProcessKilledInTheMiddleOfASaveLeavesTheOldSaveWhole)
{
    const std::vector<uint8_t> old = Game(1, 3 * 4096 + 100);
    Save(old);
    RegistryStore::CloseDefault();

    const std::vector<uint8_t> next = Game(9, 300 * 4096);
    int fd = -1;
    const pid_t child = SaveInChildAndSignal(_path, next, false, &fd);
    ASSERT_GT(child, 0);
    char ready = 0;
    ASSERT_EQ(1, read(fd, &ready, 1));
    close(fd);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    // The kill left an unfinished write behind: the journal is hot.
    ASSERT_TRUE(std::filesystem::exists(_path + "-journal"));
    EXPECT_GT(std::filesystem::file_size(_path + "-journal"), 0u);

    RegistryStore::UseFile(_path);
    EXPECT_EQ(old, Restore());
    EXPECT_FALSE(std::filesystem::exists(_path + "-journal"));
}

TEST_F(RegistryStoreTest, AProcessKilledAfterCommitLeavesTheNewSave)
{
    Save(Game(1, 5000));
    RegistryStore::CloseDefault();
    const std::vector<uint8_t> next = Game(4, 6 * 4096);
    int fd = -1;
    const pid_t child = SaveInChildAndSignal(_path, next, true, &fd);
    ASSERT_GT(child, 0);
    char ready = 0;
    ASSERT_EQ(1, read(fd, &ready, 1));
    close(fd);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    RegistryStore::UseFile(_path);
    EXPECT_EQ(next, Restore());
}

TEST_F(RegistryStoreTest, AFatalErrorInTheMiddleOfASaveKeepsTheOldSave)
{
    Save(Game(1, 5000));
    EXPECT_EXIT(
        {
            RegistryTransaction transaction;
            Save(Game(3, 9000));
            FATAL(true, "Out of memory");
        },
        ::testing::ExitedWithCode(255), "Out of memory");
    RegistryStore::UseFile(_path);
    EXPECT_EQ(Game(1, 5000), Restore());
}

TEST(RegistryStoreFileDeathTest, AFileThatIsNotADatabaseIsRefusedAndKept)
{
    TempFolder folder;
    const std::string path = folder / "registry.sqlite3";
    std::string text = "These are my notes, not a database.\n";
    while (text.size() < 5000)
        text += text;
    WriteFile(path, text);
    const std::vector<uint8_t> before = ReadFile(path);
    EXPECT_EXIT(RegistryStore store(path), ::testing::ExitedWithCode(255),
                Literally("The preference store '" + path + "' is not a valid database"));
    EXPECT_EQ(before, ReadFile(path));
}

TEST(RegistryStoreFileDeathTest, ADatabaseOfAnotherProgramIsRefusedAndKept)
{
    TempFolder folder;
    const std::string path = folder / "other.db";
    sqlite3* db = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(path.c_str(), &db));
    ASSERT_EQ(SQLITE_OK, sqlite3_exec(db, "CREATE TABLE notes (text); INSERT INTO notes VALUES ('keep me')", nullptr,
                                      nullptr, nullptr));
    sqlite3_close(db);
    const std::vector<uint8_t> before = ReadFile(path);
    EXPECT_EXIT(RegistryStore store(path), ::testing::ExitedWithCode(255),
                Literally("The file '" + path + "' is a database of another program"));
    EXPECT_EQ(before, ReadFile(path));
}

TEST(RegistryStoreFileDeathTest, AStoreOfANewerVersionIsRefused)
{
    TempFolder folder;
    const std::string path = folder / "registry.sqlite3";
    {
        RegistryStore store(path);
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(path.c_str(), &db));
    ASSERT_EQ(SQLITE_OK, sqlite3_exec(db, "PRAGMA user_version = 7", nullptr, nullptr, nullptr));
    sqlite3_close(db);
    EXPECT_EXIT(RegistryStore store(path), ::testing::ExitedWithCode(255), "newer version of the game \\(schema 7");
}

TEST(RegistryStoreFileDeathTest, AFolderInThePlaceOfTheFileIsRefused)
{
    TempFolder folder;
    std::filesystem::create_directories(folder / "registry.sqlite3");
    EXPECT_EXIT(RegistryStore store(folder / "registry.sqlite3"), ::testing::ExitedWithCode(255),
                "is a folder, not a file");
}

namespace
{
// Sets an environment variable for one scope.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value) : _name(name)
    {
        const char* old = std::getenv(name);
        _had = old != nullptr;
        if (old)
            _old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (_had)
            setenv(_name.c_str(), _old.c_str(), 1);
        else
            unsetenv(_name.c_str());
    }

private:
    std::string _name;
    std::string _old;
    bool _had;
};
} // namespace

TEST(RegistryStorePath, FollowsTheOverrideThenTheDataHomeThenHome)
{
    const std::string tail = "/Northgate Soft/Jet Warden/registry.sqlite3";
    ScopedEnv home("HOME", "/home/pilot");
    {
        ScopedEnv registry("SKYREACH_REGISTRY", "/tmp/elsewhere.sqlite3");
        ScopedEnv data("XDG_DATA_HOME", "/data");
        EXPECT_EQ("/tmp/elsewhere.sqlite3", RegistryStore::DefaultPath());
    }
    ScopedEnv registry("SKYREACH_REGISTRY", nullptr);
    {
        ScopedEnv data("XDG_DATA_HOME", "/data");
        EXPECT_EQ("/data" + tail, RegistryStore::DefaultPath());
    }
    {
        // A relative data home is ignored, as the base directory rules say.
        ScopedEnv data("XDG_DATA_HOME", "relative");
        EXPECT_EQ("/home/pilot/.local/share" + tail, RegistryStore::DefaultPath());
    }
    ScopedEnv data("XDG_DATA_HOME", nullptr);
    EXPECT_EQ("/home/pilot/.local/share" + tail, RegistryStore::DefaultPath());
}

TEST(RegistryStorePath, TheDefaultStoreIsCreatedWhereTheEnvironmentSays)
{
    TempFolder folder;
    ScopedEnv registry("SKYREACH_REGISTRY", nullptr);
    ScopedEnv data("XDG_DATA_HOME", folder.Path().c_str());
    RegistryStore::UseFile("");
    {
        RegKey key(HKEY_LOCAL_MACHINE, "Software\\Test", true);
        EXPECT_TRUE(key.IsOpen());
    }
    EXPECT_EQ(folder.Path() + "/Northgate Soft/Jet Warden/registry.sqlite3", RegistryStore::Default().GetPath());
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + "/Northgate Soft/Jet Warden/registry.sqlite3"));
    RegistryStore::CloseDefault();
}
