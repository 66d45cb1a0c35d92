#include "WinCE/DataFile.h"
#include "WinCE/DataFileBuilder.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegValue.h"
#include "WinCE/RegistryStore.h"
#include "WinCE/Str2Unicode.h"
#include "WinCE/TempFolder.h"
#include "WinCE/VirtualFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

TEST_F(DataFileTest, NamesAcrossTheSixteenByteChunksAllRead)
{
    // Names read in 16-byte chunks: lengths around one and two chunks.
    std::vector<std::pair<std::string, std::vector<uint8_t>>> entries;
    for (size_t length : {1u, 15u, 16u, 17u, 31u, 32u, 33u})
        entries.emplace_back(std::string(length, static_cast<char>('a' + length % 26)), Bytes(std::to_string(length)));
    Use(MakeDataFile(entries));
    for (const auto& [name, bytes] : entries)
    {
        VirtualFile file(name.c_str());
        ASSERT_TRUE(file.IsOpen()) << name.size();
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), ReadAll(file)) << name.size();
    }
    EXPECT_EQ(entries.size(), DataFile::Current()->GetIndex().Entries().size());
}

TEST_F(DataFileTest, TheLastOfTwoRecordsWinsAndNamesAreCaseSensitive)
{
    RawDataFile raw;
    raw.Record("window.bmp", 0, 0);
    raw.Record("Window.bmp", 0, 0);
    raw.Record("window.bmp", 0, 0);
    raw.End();
    std::vector<uint8_t> file = raw.Bytes();
    const uint32_t first = static_cast<uint32_t>(file.size());
    file.insert(file.end(), {'o', 'l', 'd', 'U', 'P', 'P', 'E', 'R', 'n', 'e', 'w'});
    // Patch offsets and sizes: first record "old", second "UPPER", third "new".
    auto patch = [&](size_t record, uint32_t offset, uint32_t size) {
        const size_t at = record * (10 + 1 + 8) + 11;
        for (int i = 0; i < 4; ++i)
        {
            file[at + i] = static_cast<uint8_t>(offset >> (8 * i));
            file[at + 4 + i] = static_cast<uint8_t>(size >> (8 * i));
        }
    };
    patch(0, first, 3);
    patch(1, first + 3, 5);
    patch(2, first + 8, 3);
    Use(file);
    VirtualFile lower("window.bmp");
    EXPECT_EQ("new", ReadAll(lower));
    VirtualFile upper("Window.bmp");
    EXPECT_EQ("UPPER", ReadAll(upper));
    VirtualFile other("WINDOW.BMP");
    EXPECT_FALSE(other.IsOpen());
    EXPECT_EQ(0u, other.GetSize());
    char buffer[4];
    EXPECT_EQ(0, other.Read(buffer, 4));
}

TEST_F(DataFileTest, TheIndexMayEndAtTheEndOfTheFile)
{
    // Only the index, no terminator: the entries are empty and at its end.
    RawDataFile raw;
    raw.Record("a", 0, 0);
    raw.Record("b", 0, 0);
    Use(raw.Bytes());
    EXPECT_TRUE(VirtualFile("a").IsOpen());
    EXPECT_TRUE(VirtualFile("b").IsOpen());

    DataFile::Destroy();
    Use({});
    EXPECT_FALSE(VirtualFile("a").IsOpen());
    DataFile::Destroy();
    Use({0});
    EXPECT_TRUE(DataFile::Current()->GetIndex().Entries().empty());
}

TEST_F(DataFileTest, ReadsAreCutToTheEntry)
{
    Use(MakeDataFile({{"before", Bytes("XXXX")}, {"table", Bytes("0123456789")}, {"after", Bytes("YYYY")}}));
    VirtualFile file("table");
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(10u, file.GetSize());
    char buffer[32] = {};
    EXPECT_EQ(4, file.Read(buffer, 4));
    EXPECT_EQ("0123", std::string(buffer, 4));
    EXPECT_EQ(6, file.Read(buffer, 32)); // cut to the entry, never "YYYY"
    EXPECT_EQ("456789", std::string(buffer, 6));
    EXPECT_EQ(0, file.Read(buffer, 32)); // at the end
    EXPECT_EQ(0, file.Read(buffer, 0));
    EXPECT_EQ(0, file.Write("zz", 2)); // the data file is read-only
}

TEST_F(DataFileTest, SeekOriginsAndClamps)
{
    Use(MakeDataFile({{"table", Bytes("0123456789")}}));
    VirtualFile file("table");
    char c = 0;
    EXPECT_EQ(3, file.Seek(3, FILE_BEGIN));
    ASSERT_EQ(1, file.Read(&c, 1));
    EXPECT_EQ('3', c);
    EXPECT_EQ(6, file.Seek(2, FILE_CURRENT));
    EXPECT_EQ(4, file.Seek(-2, FILE_CURRENT));
    EXPECT_EQ(0, file.Seek(-100, FILE_CURRENT)); // below 0 becomes 0
    EXPECT_EQ(9, file.Seek(0, FILE_END));        // offset 0 is the last byte
    ASSERT_EQ(1, file.Read(&c, 1));
    EXPECT_EQ('9', c);
    EXPECT_EQ(10, file.GetPosition()); // reading may reach the end ...
    EXPECT_EQ(0, file.Read(&c, 1));
    EXPECT_EQ(9, file.Seek(0, FILE_CURRENT)); // ... seeking may not
    EXPECT_EQ(7, file.Seek(2, FILE_END));
    EXPECT_EQ(0, file.Seek(50, FILE_END));
    EXPECT_EQ(9, file.Seek(50, FILE_BEGIN)); // size or more becomes size - 1
    EXPECT_EQ(9, file.Seek(0x7FFFFFFF, FILE_CURRENT));
}

TEST_F(DataFileTest, AnEmptyEntryNeverReadsItsNeighbour)
{
    Use(MakeDataFile({{"empty", {}}, {"next", Bytes("N")}}));
    VirtualFile file("empty");
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(0, file.Seek(0, FILE_BEGIN));
    EXPECT_EQ(0, file.Seek(0, FILE_END));
    char c = 0;
    EXPECT_EQ(0, file.Read(&c, 1));
}

TEST_F(DataFileTest, VirtualFilesMayBeReadInAnyInterleaving)
{
    Use(MakeDataFile({{"a", Bytes("abcdef")}, {"b", Bytes("uvwxyz")}}));
    VirtualFile a("a");
    VirtualFile b("b");
    char buffer[3] = {};
    std::string out;
    for (int i = 0; i < 3; ++i)
    {
        a.Read(buffer, 2);
        out.append(buffer, 2);
        b.Read(buffer, 2);
        out.append(buffer, 2);
    }
    EXPECT_EQ("abuvcdwxefyz", out);
}

namespace
{
class DataFileDeathTest : public DataFileTest
{
protected:
    // Expects opening `bytes` as the data file to stop with `message`.
    void ExpectRefused(const std::vector<uint8_t>& bytes, const std::string& message)
    {
        const std::string path = _folder / "Skyreach.dat";
        WriteFile(path, bytes);
        EXPECT_EXIT(DataFile::UseFile(path), ::testing::ExitedWithCode(255),
                    Literally("Couldn't load datafile '" + path + "': " + message));
    }
};
} // namespace

TEST_F(DataFileDeathTest, DamagedIndexesAreRefusedNamingTheFile)
{
    // A name that never ends, in the first chunk and after a whole one.
    ExpectRefused(Bytes("short"), "the index name at offset 0 (\"short\") runs past the end of the file");
    RawDataFile raw;
    raw.Record("ok", 0, 0);
    std::vector<uint8_t> longName = raw.Bytes();
    const std::string tail(20, 'n');
    longName.insert(longName.end(), tail.begin(), tail.end());
    ExpectRefused(longName, "the index name at offset 11 (\"" + tail + "\") runs past the end of the file");

    // A record whose offset and size are cut short.
    std::vector<uint8_t> cut = Bytes("window.bmp");
    cut.insert(cut.end(), {0, 1, 2, 3});
    ExpectRefused(cut, "the index record of \"window.bmp\" at offset 0 is cut short by the end of the file");

    // Entries that point outside the file, also through an overflow.
    RawDataFile outside;
    outside.Record("big", 10, 1000);
    outside.End();
    ExpectRefused(outside.Bytes(), "the entry \"big\" (offset 10, size 1000) points outside the file (13 bytes)");
    RawDataFile wrap;
    wrap.Record("wrap", 0xFFFFFFF0u, 0x20);
    wrap.End();
    ExpectRefused(wrap.Bytes(), "the entry \"wrap\" (offset 4294967280, size 32) points outside the file");
}

TEST_F(DataFileDeathTest, AMissingDataFileIsFatal)
{
    const std::string path = _folder / "nowhere.dat";
    EXPECT_EXIT(DataFile::UseFile(path), ::testing::ExitedWithCode(255),
                Literally("Couldn't load datafile '" + path + "': No such file or directory"));
}

TEST_F(DataFileDeathTest, BadSeeksAndReadsAreAssertions)
{
    Use(MakeDataFile({{"table", Bytes("0123")}}));
    VirtualFile file("table");
    EXPECT_DEATH(file.Seek(-1, FILE_BEGIN), "position>=0");
    EXPECT_DEATH(file.Seek(-1, FILE_END), "position>=0");
    char c;
    EXPECT_DEATH(file.Read(&c, -1), "size>=0");
}

namespace
{
// The game's way in: the data file named by the store's "Resource File".
class DataFileFromStoreTest : public DataFileDeathTest
{
protected:
    void SetUp() override { RegistryStore::UseFile(_folder / "registry.sqlite3"); }
    void TearDown() override
    {
        DataFile::Destroy();
        RegistryStore::UseFile("");
    }
    void Install(const char16_t* path)
    {
        RegKey app(HKEY_LOCAL_MACHINE, RegKey::AppKeyPath().c_str(), true);
        if (path)
            app.Value("Resource File")->SetString(path);
    }
};
} // namespace

TEST_F(DataFileFromStoreTest, TheFirstVirtualFileOpensTheInstalledDataFile)
{
    const std::string path = _folder / "Daten \xC3\xBC/Skyreach.dat"; // a UTF-8 folder name
    WriteFile(path, MakeDataFile({{"airports_rsc", Bytes("138 airports")}}));
    Install(Utf8ToUtf16(path).c_str());
    ASSERT_EQ(nullptr, DataFile::Current());
    VirtualFile file("airports_rsc");
    ASSERT_NE(nullptr, DataFile::Current());
    EXPECT_EQ(path, DataFile::Current()->GetPath());
    EXPECT_EQ("138 airports", ReadAll(file));
    // Later files share the one data file.
    DataFile* first = DataFile::Current();
    VirtualFile again("airports_rsc");
    EXPECT_EQ(first, DataFile::Current());
}

TEST_F(DataFileFromStoreTest, WithoutInstallationThereIsNoDataFile)
{
    EXPECT_EXIT(VirtualFile("airports_rsc"), ::testing::ExitedWithCode(255), "Couldn't open registry key");
    Install(nullptr);
    EXPECT_EXIT(VirtualFile("airports_rsc"), ::testing::ExitedWithCode(255),
                "Couldn't load datafile: the application key has no \"Resource File\" value");
    Install(u"/nonexistent/Skyreach.dat");
    EXPECT_EXIT(VirtualFile("airports_rsc"), ::testing::ExitedWithCode(255),
                "Couldn't load datafile '/nonexistent/Skyreach\\.dat'");
}

TEST_F(DataFileDeathTest, OnlyOneDataFileMayBeCreated)
{
    Use(MakeDataFile({}));
    EXPECT_DEATH(DataFile::Create(u"/tmp/other.dat"), "!_df");
}
