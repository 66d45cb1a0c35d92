#include "WinCE/Preferences.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegValue.h"
#include "WinCE/RegistryStore.h"
#include "WinCE/Str2Unicode.h"
#include "WinCE/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
class RegKeyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegistryStore::UseFile(_folder / "registry.sqlite3");
        RegKey app(HKEY_LOCAL_MACHINE, RegKey::AppKeyPath().c_str(), true);
        ASSERT_TRUE(app.IsOpen());
    }
    void TearDown() override { RegistryStore::UseFile(""); }

    // What the store itself holds, bypassing the value objects.
    bool Stored(const char* path, const char* name, uint32_t* type, std::vector<uint8_t>* data)
    {
        int64_t id = 0;
        if (RegistryStore::Default().OpenKey(HKEY_LOCAL_MACHINE, path, false, &id) != ERROR_SUCCESS)
            return false;
        return RegistryStore::Default().QueryValue(id, name, type, data) == ERROR_SUCCESS;
    }

    std::string AppPath(const char* below = nullptr)
    {
        return below ? RegKey::AppKeyPath() + "\\" + below : RegKey::AppKeyPath();
    }

    TempFolder _folder;
};
} // namespace

TEST_F(RegKeyTest, ReadingAMissingValueLeavesAnEmptyValueBehind)
{
    {
        std::unique_ptr<RegKey> app = RegKey::OpenAppKey();
        RegValue* value = app->Value("Nothing here");
        EXPECT_EQ(REG_NONE, value->GetType());
        EXPECT_EQ(0u, value->GetSize());
        const uint8_t* data = reinterpret_cast<const uint8_t*>(1);
        uint32_t size = 99;
        value->GetData(&data, &size);
        EXPECT_EQ(nullptr, data);
        EXPECT_EQ(0u, size);
        EXPECT_EQ(nullptr, value->GetString());
        EXPECT_EQ(0u, value->GetDword());
    }
    uint32_t type = 99;
    std::vector<uint8_t> data{1};
    ASSERT_TRUE(Stored(AppPath().c_str(), "Nothing here", &type, &data));
    EXPECT_EQ(REG_NONE, type);
    EXPECT_TRUE(data.empty());
}

TEST_F(RegKeyTest, WritesReachTheStoreOnlyWhenTheValueIsReleased)
{
    std::unique_ptr<RegKey> app = RegKey::OpenAppKey();
    const uint8_t bytes[] = {1, 2, 3};
    app->Value("First")->SetBinary(bytes, 3);
    uint32_t type = 0;
    std::vector<uint8_t> data;
    // Still the empty value read when the object was made.
    EXPECT_FALSE(Stored(AppPath().c_str(), "First", &type, &data));

    // Asking for the next value releases the first.
    app->Value("Second")->SetDword(0x11223344);
    ASSERT_TRUE(Stored(AppPath().c_str(), "First", &type, &data));
    EXPECT_EQ(REG_BINARY, type);
    EXPECT_EQ((std::vector<uint8_t>{1, 2, 3}), data);

    app.reset();
    ASSERT_TRUE(Stored(AppPath().c_str(), "Second", &type, &data));
    EXPECT_EQ(REG_DWORD, type);
    EXPECT_EQ((std::vector<uint8_t>{0x44, 0x33, 0x22, 0x11}), data);
}

TEST_F(RegKeyTest, KindsAndSizesOfEveryValue)
{
    {
        std::unique_ptr<RegKey> app = RegKey::OpenAppKey();
        app->Value("Text")->SetString(Str2Unicode("Caf\xE9").Get());
        app->Value("Expand")->SetExpandString(u"%HOME%");
        app->Value("Number")->SetDword(4000);
        app->Value("Empty binary")->SetBinary(nullptr, 0);
    }
    std::unique_ptr<RegKey> app = RegKey::OpenAppKey();
    RegValue* text = app->Value("Text");
    EXPECT_EQ(REG_SZ, text->GetType());
    EXPECT_EQ(10u, text->GetSize()); // (4 characters + terminator) * 2
    EXPECT_EQ(std::u16string(u"Caf\u00E9"), std::u16string(text->GetString()));
    EXPECT_EQ(0u, text->GetDword());

    RegValue* expand = app->Value("Expand");
    EXPECT_EQ(REG_EXPAND_SZ, expand->GetType());
    EXPECT_EQ(14u, expand->GetSize());
    EXPECT_EQ(std::u16string(u"%HOME%"), std::u16string(expand->GetString()));

    RegValue* number = app->Value("Number");
    EXPECT_EQ(REG_DWORD, number->GetType());
    EXPECT_EQ(4u, number->GetSize());
    EXPECT_EQ(4000u, number->GetDword());
    EXPECT_EQ(nullptr, number->GetString());

    RegValue* empty = app->Value("Empty binary");
    EXPECT_EQ(REG_BINARY, empty->GetType());
    EXPECT_EQ(0u, empty->GetSize());
}

TEST_F(RegKeyTest, AStringStoredWithoutTerminatorStillEnds)
{
    // A store edited by hand may hold string bytes without the final 0.
    int64_t id = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegistryStore::Default().OpenKey(HKEY_LOCAL_MACHINE, AppPath(), false, &id));
    const uint8_t bytes[] = {'a', 0, 'b', 0, 'c'};
    ASSERT_EQ(ERROR_SUCCESS, RegistryStore::Default().SetValue(id, "Odd", REG_SZ, bytes, 5));
    std::unique_ptr<RegKey> app = RegKey::OpenAppKey();
    const char16_t* text = app->Value("Odd")->GetString();
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(u'a', text[0]);
    EXPECT_EQ(u'b', text[1]);
    EXPECT_EQ(3u, Utf16Length(text));
}

TEST_F(RegKeyTest, PathsAndNamesIgnoreCaseAndStraySeparators)
{
    {
        RegKey key(HKEY_LOCAL_MACHINE, "Software\\Northgate Soft\\Jet Warden\\Deep\\Er", true);
        ASSERT_TRUE(key.IsOpen());
        key.Value("Name")->SetDword(7);
    }
    RegKey same(HKEY_LOCAL_MACHINE, "\\SOFTWARE\\northgate soft\\\\JET WARDEN\\deep\\er\\", false);
    ASSERT_TRUE(same.IsOpen());
    EXPECT_EQ(7u, same.Value("NAME")->GetDword());
    // Creating a deep key made the ones above it.
    RegKey middle(HKEY_LOCAL_MACHINE, AppPath("Deep").c_str(), false);
    EXPECT_TRUE(middle.IsOpen());
    // Roots are separate trees.
    RegKey other(HKEY_CURRENT_USER, AppPath("Deep").c_str(), false);
    EXPECT_FALSE(other.IsOpen());
}

TEST_F(RegKeyTest, SubKeysHoldTheirParentAndDeleteWithEverythingBelow)
{
    std::unique_ptr<RegKey> app = RegKey::OpenAppKey();
    {
        RegKey child(app.get(), "Child", true);
        ASSERT_TRUE(child.IsOpen());
        EXPECT_EQ(1, app->GetUseCount());
        RegKey grandchild(&child, "Grandchild", true);
        EXPECT_EQ(1, child.GetUseCount());
        grandchild.Value("Kept")->SetDword(1);
        EXPECT_EQ(1, grandchild.GetUseCount()); // the current value holds a use
    }
    EXPECT_EQ(0, app->GetUseCount());
    {
        RegKey opened(HKEY_LOCAL_MACHINE, AppPath("Child\\Grandchild").c_str(), false);
        ASSERT_TRUE(opened.IsOpen());
        EXPECT_EQ(1u, opened.Value("Kept")->GetDword());
    }

    EXPECT_TRUE(app->DeleteSubKey("child"));
    EXPECT_FALSE(app->DeleteSubKey("Child"));
    uint32_t type = 0;
    std::vector<uint8_t> data;
    EXPECT_FALSE(Stored(AppPath("Child\\Grandchild").c_str(), "Kept", &type, &data));
    RegKey gone(HKEY_LOCAL_MACHINE, AppPath("Child").c_str(), false);
    EXPECT_FALSE(gone.IsOpen());
    // A sibling whose name only starts like the deleted key survives.
    RegKey sibling(app.get(), "Children", true);
    EXPECT_FALSE(app->DeleteSubKey("Child"));
    RegKey stillThere(HKEY_LOCAL_MACHINE, AppPath("Children").c_str(), false);
    EXPECT_TRUE(stillThere.IsOpen());
}

TEST_F(RegKeyTest, ASubKeyOfAKeyThatDidNotOpenStaysClosed)
{
    RegKey missing(HKEY_LOCAL_MACHINE, "Software\\Nobody", false);
    EXPECT_FALSE(missing.IsOpen());
    RegKey child(&missing, "Child", true);
    EXPECT_FALSE(child.IsOpen());
    EXPECT_EQ(0u, child.Value("Anything")->GetSize());
}

TEST_F(RegKeyTest, ValuesSurviveClosingTheStore)
{
    {
        std::unique_ptr<RegKey> app = RegKey::OpenAppKey();
        app->Value("Resource File")->SetString(u"/opt/skyreach/Skyreach.dat");
    }
    RegistryStore::UseFile(_folder / "registry.sqlite3");
    std::unique_ptr<RegKey> app = RegKey::OpenAppKey();
    EXPECT_EQ(std::u16string(u"/opt/skyreach/Skyreach.dat"), std::u16string(app->Value("Resource File")->GetString()));
}

using RegKeyDeathTest = RegKeyTest;

TEST_F(RegKeyDeathTest, DestroyingAKeyStillInUseIsAnAssertion)
{
    EXPECT_DEATH(
        {
            RegKey* parent = new RegKey(HKEY_LOCAL_MACHINE, AppPath().c_str(), false);
            RegKey child(parent, "Child", true);
            delete parent;
        },
        "_useCount == 0");
}

TEST_F(RegKeyDeathTest, WritingBackIntoADeletedKeyIsAnAssertion)
{
    EXPECT_DEATH(
        {
            std::unique_ptr<RegKey> app = RegKey::OpenAppKey();
            RegKey child(app.get(), "Child", true);
            child.Value("Orphan")->SetDword(1);
            app->DeleteSubKey("Child");
        },
        "retval == ERROR_SUCCESS");
}

TEST_F(RegKeyDeathTest, AMissingApplicationKeyIsFatal)
{
    std::unique_ptr<RegKey> software(new RegKey(HKEY_LOCAL_MACHINE, "Software\\Northgate Soft", false));
    ASSERT_TRUE(software->DeleteSubKey("Jet Warden"));
    software.reset();
    EXPECT_EXIT(RegKey::OpenAppKey(), ::testing::ExitedWithCode(255), "Couldn't open registry key");
    EXPECT_EXIT(Preferences::GetPreferenceSize(0), ::testing::ExitedWithCode(255), "Couldn't open registry key");
}

TEST_F(RegKeyTest, PreferencesAreNumberedBinaryValuesWithoutPadding)
{
    const std::string save = "a saved game";
    Preferences::SetPreference(save.data(), static_cast<uint32_t>(save.size()), 12);
    uint32_t type = 0;
    std::vector<uint8_t> data;
    ASSERT_TRUE(Stored(AppPath("Preferences").c_str(), "Preference12", &type, &data));
    EXPECT_EQ(REG_BINARY, type);
    EXPECT_EQ(save, std::string(data.begin(), data.end()));
    EXPECT_FALSE(Stored(AppPath("Preferences").c_str(), "Preference012", &type, &data));

    EXPECT_EQ(save.size(), Preferences::GetPreferenceSize(12));
    char small[5] = {};
    EXPECT_EQ(4u, Preferences::GetPreference(small, 4, 12));
    EXPECT_STREQ("a sa", small);
    char large[64] = {};
    EXPECT_EQ(save.size(), Preferences::GetPreference(large, sizeof large, 12));
    EXPECT_EQ(save, std::string(large));

    Preferences::SetPreference(nullptr, 0, 12);
    EXPECT_EQ(0u, Preferences::GetPreferenceSize(12));
    ASSERT_TRUE(Stored(AppPath("Preferences").c_str(), "Preference12", &type, &data));
    EXPECT_EQ(REG_BINARY, type);

    char name[32];
    Preferences::FormatName(name, 65535);
    EXPECT_STREQ("Preference65535", name);
}

TEST_F(RegKeyTest, ASizeQueryOfAnUnwrittenPreferenceLeavesAnEmptyValue)
{
    EXPECT_EQ(0u, Preferences::GetPreferenceSize(3));
    uint32_t type = 99;
    std::vector<uint8_t> data{1};
    ASSERT_TRUE(Stored(AppPath("Preferences").c_str(), "Preference3", &type, &data));
    EXPECT_EQ(REG_NONE, type);
    EXPECT_TRUE(data.empty());
    char buffer[8] = {'x'};
    EXPECT_EQ(0u, Preferences::GetPreference(buffer, sizeof buffer, 3));
    EXPECT_EQ('x', buffer[0]);
}
