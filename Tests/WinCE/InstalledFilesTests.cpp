#include "WinCE/InstalledFiles.h"

#include "WinCE/DataFile.h"
#include "WinCE/DataFileBuilder.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegValue.h"
#include "WinCE/RegistryStore.h"
#include "WinCE/Str2Unicode.h"
#include "WinCE/TempFolder.h"
#include "WinCE/VirtualFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

TEST(InstalledFilesTest, FoldersComeFromTheProgramThenThePrefix)
{
    struct Case
    {
        const char* executable;
        const char* fromProgram;
        const char* prefixFolder;
        std::vector<std::string> folders;
        const char* described;
    };
    const Case cases[] = {
        {"/opt/jw/bin/Skyreach",
         "../share/jet-warden",
         "/usr/local/share/jet-warden",
         {"/opt/jw/share/jet-warden", "/usr/local/share/jet-warden"},
         "/opt/jw/share/jet-warden and /usr/local/share/jet-warden"},
        // Installed where it was built for: the one folder is searched once.
        {"/usr/local/bin/Skyreach",
         "../share/jet-warden",
         "/usr/local/share/jet-warden/",
         {"/usr/local/share/jet-warden"},
         "/usr/local/share/jet-warden"},
        // The program's own path unknown: only the prefix is left.
        {"",
         "../share/jet-warden",
         "/usr/share/jet-warden",
         {"/usr/share/jet-warden"},
         "/usr/share/jet-warden"},
        {"/home/p/games/bin/Skyreach",
         "../../data/jw",
         "/usr/share/jet-warden",
         {"/home/p/data/jw", "/usr/share/jet-warden"},
         "/home/p/data/jw and /usr/share/jet-warden"},
    };
    for (const Case& c : cases)
    {
        const InstalledFiles files = InstalledFiles::ForProgram(c.executable, c.fromProgram, c.prefixFolder);
        EXPECT_EQ(c.folders, files.GetFolders()) << c.executable;
        EXPECT_EQ(c.described, files.DescribeFolders()) << c.executable;
    }
    EXPECT_EQ("a, b and c", InstalledFiles({"a", "b", "c"}).DescribeFolders());
}

namespace
{
class InstalledFilesStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { RegistryStore::UseFile(_folder / "registry.sqlite3"); }
    void TearDown() override
    {
        DataFile::Destroy();
        RegistryStore::UseFile("");
    }

    // A string value as the store holds it; "<none>" when the key or value is missing.
    std::string Stored(const char* name)
    {
        int64_t id = 0;
        uint32_t type = 0;
        std::vector<uint8_t> data;
        if (RegistryStore::Default().OpenKey(HKEY_LOCAL_MACHINE, RegKey::AppKeyPath(), false, &id) !=
                ERROR_SUCCESS ||
            RegistryStore::Default().QueryValue(id, name, &type, &data) != ERROR_SUCCESS || type != REG_SZ)
            return "<none>";
        std::u16string text(data.size() / 2, u'\0');
        for (size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
        // Stored with its terminator, as the installation step stores it.
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(u'\0', text.back());
        return Utf16ToUtf8(text.c_str());
    }
    void Record(const char* name, const std::string& path)
    {
        RegKey app(HKEY_LOCAL_MACHINE, RegKey::AppKeyPath().c_str(), true);
        app.Value(name)->SetString(Utf8ToUtf16(path).c_str());
    }

    TempFolder _folder;
};
} // namespace

TEST_F(InstalledFilesStoreTest, TheFirstStartRecordsWhatTheStoreLacks)
{
    // Two install folders; "first" is reached through a link, which the
    // recorded path resolves (as the installation step does).
    const std::string first = _folder / "prefix/share/jet-warden";
    const std::string second = _folder / "usr/share/jet-w\xC3\xA4rden";
    const std::string elsewhere = _folder / "elsewhere";
    std::filesystem::create_directories(_folder / "real");
    std::filesystem::create_directories(_folder / "prefix/share");
    std::filesystem::create_directory_symlink(_folder / "real", first);
    const std::string none = "<none>";

    struct Case
    {
        const char* what;
        std::vector<std::string> files; // created before the start
        std::string recordedData;       // "" for a store without values
        std::string recordedManual;
        bool ok;
        std::string data; // the values afterwards
        std::string manual;
    };
    const std::string realData = _folder / "real/Skyreach.dat";
    const std::string realManual = _folder / "real/JetWarden.html";
    const Case cases[] = {
        {"empty store, installed in the second folder",
         {second + "/Skyreach.dat", second + "/JetWarden.html"},
         "",
         "",
         true,
         second + "/Skyreach.dat",
         second + "/JetWarden.html"},
        {"the first folder wins",
         {first + "/Skyreach.dat", first + "/JetWarden.html", second + "/Skyreach.dat"},
         "",
         "",
         true,
         realData,
         realManual},
        {"values that name existing files stay",
         {elsewhere + "/my.dat", elsewhere + "/my.html", first + "/Skyreach.dat", first + "/JetWarden.html"},
         elsewhere + "/my.dat",
         elsewhere + "/my.html",
         true,
         elsewhere + "/my.dat",
         elsewhere + "/my.html"},
        {"a data file that is gone is replaced, the manual kept",
         {elsewhere + "/my.html", second + "/Skyreach.dat", second + "/JetWarden.html"},
         _folder / "old/Skyreach.dat",
         elsewhere + "/my.html",
         true,
         second + "/Skyreach.dat",
         elsewhere + "/my.html"},
        {"no manual anywhere is no reason to stop",
         {second + "/Skyreach.dat"},
         "",
         "",
         true,
         second + "/Skyreach.dat",
         none},
        {"no data file anywhere: the manual is still recorded",
         {second + "/JetWarden.html"},
         "",
         "",
         false,
         none,
         second + "/JetWarden.html"},
        {"a recorded data file that is gone, none installed",
         {},
         _folder / "old/Skyreach.dat",
         "",
         false,
         _folder / "old/Skyreach.dat",
         none},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        RegistryStore::UseFile(_folder / "registry.sqlite3");
        std::filesystem::remove(_folder / "registry.sqlite3");
        for (const char* folder : {"real", "usr", "elsewhere"})
            std::filesystem::remove_all(_folder / folder);
        std::filesystem::create_directories(_folder / "real");
        for (const std::string& file : c.files)
            WriteFile(file, "bytes of " + file);
        if (!c.recordedData.empty())
            Record("Resource File", c.recordedData);
        if (!c.recordedManual.empty())
            Record("Help File", c.recordedManual);

        std::string error;
        EXPECT_EQ(c.ok, InstalledFiles({first, second, _folder / "nowhere"}).RecordMissing(&error)) << error;
        EXPECT_EQ(c.data, Stored("Resource File"));
        EXPECT_EQ(c.manual, Stored("Help File"));
        if (c.ok)
            continue;
        // One message naming every folder searched, and the gone file if one was recorded.
        EXPECT_EQ(0u, error.find("Couldn't load datafile: ")) << error;
        EXPECT_NE(std::string::npos, error.find(first + ", " + second + " and " + (_folder / "nowhere")))
            << error;
        EXPECT_NE(std::string::npos, error.find("Skyreach --install --data PATH")) << error;
        EXPECT_EQ(!c.recordedData.empty(),
                  error.find(c.recordedData + " does not exist") != std::string::npos)
            << error;
    }
}

TEST_F(InstalledFilesStoreTest, TheGameOpensTheDataFileTheFirstStartRecorded)
{
    const std::string folder = _folder / "Spiele \xC3\xBC/share/jet-warden";
    WriteFile(folder + "/Skyreach.dat", MakeDataFile({{"airports_rsc", Bytes("138 airports")}}));
    std::string error;
    ASSERT_TRUE(InstalledFiles({folder}).RecordMissing(&error)) << error;
    VirtualFile file("airports_rsc");
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(folder + "/Skyreach.dat", DataFile::Current()->GetPath());
}
