#include "Common/Gui/Controls/ControlGallery.h"
#include "Common/Gui/Controls/ControlGalleryApp.h"

#include "Common/Gui/Controls/ComboBox.h"
#include "Common/Gui/Controls/GameSound.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Controls/ScrollBar.h"
#include "WinCE/DataFile.h"
#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/Host/HostScript.h"
#include "WinCE/ScreenDump.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

namespace
{
class ControlGalleryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DataFile::UseFile(std::string(SKYREACH_BINARY_DIR) + "/Skyreach.dat");
        GameSound::SetEnabled(true);
        host = std::make_unique<HeadlessHost>(1000);
        host->SetEchoMessages(false);
        SetHost(host.get());
        app = std::make_unique<ControlGalleryApp>();
        app->Init();
        script = std::make_unique<HostScript>(*host, *app);
        shots = std::filesystem::path(SKYREACH_BINARY_DIR) / "gallery";
        std::filesystem::create_directories(shots);
        script->SetShotFolder(shots.string());
    }
    void TearDown() override
    {
        script.reset();
        app.reset();
        SetHost(nullptr);
        host.reset();
        DataFile::Destroy();
    }
    bool Run(const std::string& text)
    {
        std::istringstream in(text);
        std::string error;
        const bool ok = script->Run(in, &error);
        EXPECT_TRUE(ok) << error;
        return ok;
    }

    std::unique_ptr<HeadlessHost> host;
    std::unique_ptr<ControlGalleryApp> app;
    std::unique_ptr<HostScript> script;
    std::filesystem::path shots;
};
} // namespace

TEST_F(ControlGalleryTest, TheGalleryScriptWalksEveryControlAndTakesItsScreenshots)
{
    for (const char* name : {"gallery-start.png", "gallery-popup.png", "gallery-combo.png",
                             "gallery-scrolled.png", "gallery-planes.png"})
        std::filesystem::remove(shots / name);
    std::ifstream file(std::string(SKYREACH_SOURCE_DIR) + "/Tests/Scripts/gallery.script");
    ASSERT_TRUE(file.good());
    std::string error;
    ASSERT_TRUE(script->Run(file, &error)) << error;

    ControlGallery* gallery = app->GetGallery();
    EXPECT_EQ("Plane: Warden 2", gallery->GetStatus());
    EXPECT_EQ(3, gallery->GetCombo()->GetList()->GetSelected()) << "Europe was chosen";
    EXPECT_FALSE(gallery->GetPopup()->IsOpen());
    EXPECT_GE(gallery->GetFlipCount(), 3);
    EXPECT_LE(gallery->GetFlipCount(), 4);
    for (const char* name : {"gallery-start.png", "gallery-popup.png", "gallery-combo.png",
                             "gallery-scrolled.png", "gallery-planes.png"})
        EXPECT_GT(std::filesystem::exists(shots / name) ? std::filesystem::file_size(shots / name) : 0u,
                  1000u)
            << name;
}

TEST_F(ControlGalleryTest, AHeldScrollArrowScrollsTheListAndAMenuTapRunsItsEntry)
{
    ControlGallery* gallery = app->GetGallery();
    ASSERT_TRUE(Run("down 222 244\nwait 200\nup 222 244\n"));
    const int32_t first = gallery->GetList()->GetFirst();
    EXPECT_GT(first, 2);
    EXPECT_EQ(first * (132 - 20) / (27 - 13), gallery->GetScrollBar()->GetThumbOffset());

    // Open the Go menu; the entries stack upward from y 240: Planes 220,
    // Airports 200, Bank 180, Retire (disabled) 160 in form coordinates.
    ASSERT_TRUE(Run("tap 40 270\nwait 50\ndown 50 212\nup 50 212\nwait 50\n"));
    EXPECT_EQ("Menu: Bank", gallery->GetStatus());
    EXPECT_FALSE(gallery->GetPopup()->IsOpen());
    ASSERT_TRUE(Run("tap 40 270\nwait 50\ntap 50 192\nwait 50\n"));
    EXPECT_EQ("Menu: Bank", gallery->GetStatus()) << "the disabled entry runs nothing";
}

TEST_F(ControlGalleryTest, ClosingTheComboRestoresTheScreen)
{
    ASSERT_TRUE(Run("wait 50\nshot gallery-before-combo.png\n"));
    const std::vector<uint8_t> before = [&]
    {
        std::ifstream f(shots / "gallery-before-combo.png", std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), {});
    }();
    ASSERT_TRUE(Run("tap 140 70\nwait 50\ntap 5 200\nwait 50\nshot gallery-after-combo.png\n"));
    std::ifstream f(shots / "gallery-after-combo.png", std::ios::binary);
    const std::vector<uint8_t> after((std::istreambuf_iterator<char>(f)), {});
    EXPECT_FALSE(before.empty());
    EXPECT_EQ(before, after);
}

// The script verbs act through what the gallery describes: each case runs on
// a fresh gallery and ends with the status line it should leave.
TEST_F(ControlGalleryTest, ScriptsPressChooseAndExpectWhatTheScreenShows)
{
    const struct
    {
        const char* script;
        const char* status;
    } cases[] = {
        {"press sr_Ok_button\nexpect OK pressed\n", "OK pressed"},
        {"press sr_Go_button\npress sr_Popup1Bank_button.bmp\nexpect Menu: Bank\n", "Menu: Bank"},
        {"choose Europe\nexpect Combo: Europe\n", "Combo: Europe"},
        {"press sr_Radio_Button#2\nchoose Warden 9\nexpect Plane: Warden 9\n", "Plane: Warden 9"},
        {"press sr_Radio_Button#2\nchoose Warden 3\nchoose Warden 3\n", "Plane: Warden 3"},
        {"press sr_Radio_Button#3\nexpect Menu disabled\n", "Menu disabled"},
        // Far down the list by pages, then back up to the top.
        {"choose Perth\nexpect Perth\nchoose Amsterdam\nexpect Amsterdam\n", "Ready"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.script);
        script.reset();
        app.reset();
        app = std::make_unique<ControlGalleryApp>();
        app->Init();
        script = std::make_unique<HostScript>(*host, *app);
        ASSERT_TRUE(Run(std::string("wait 50\n") + c.script));
        EXPECT_EQ(c.status, app->GetGallery()->GetStatus());
    }
    ItemListPanel* list = app->GetGallery()->GetList();
    EXPECT_EQ(1, list->GetSelected()) << "Amsterdam";
    EXPECT_LE(list->GetFirst(), 1) << "brought back into view";
}

TEST_F(ControlGalleryTest, ScriptVerbsSayWhatIsThereWhenTheyFail)
{
    const struct
    {
        const char* script;
        std::vector<const char*> said;
    } cases[] = {
        {"press sr_Missing_button", {"no button drawn from sr_Missing_button", "sr_Ok_button.bmp"}},
        {"press sr_Radio_Button#4", {"3 button(s) drawn from sr_Radio_Button"}},
        {"press sr_Go_button\npress sr_Popup1Retire_button", {"disabled"}},
        {"press sr_Radio_Button#3\npress sr_Go_button", {"disabled"}},
        {"choose Atlantis", {"no list row", "\"Accra\"", "\"Europe\""}},
        {"expect Atlantis", {"not drawn", "\"Controls\"", "\"Flips 0\""}},
        {"press", {"press needs a bitmap name"}},
    };
    for (const auto& c : cases)
    {
        std::istringstream in(std::string("wait 50\n") + c.script);
        std::string error;
        EXPECT_FALSE(script->Run(in, &error)) << c.script;
        for (const char* part : c.said)
            EXPECT_NE(std::string::npos, error.find(part)) << c.script << ": " << error;
        Run("press sr_Radio_Button\n");
    }
}

TEST_F(ControlGalleryTest, TheDumpDescribesEveryControl)
{
    const auto text = [](const ScreenDump& dump, const std::string& t) -> const ScreenDump::Text*
    {
        for (const ScreenDump::Text& drawn : dump.texts)
            if (drawn.text == t)
                return &drawn;
        return nullptr;
    };
    ASSERT_TRUE(Run("wait 50\nchoose Perth\ndump gallery.json\n"));
    ScreenDump dump = script->Describe();
    EXPECT_EQ("Control gallery", dump.form);
    EXPECT_EQ("Controls", dump.title);
    ASSERT_NE(nullptr, text(dump, "Controls"));
    EXPECT_EQ("font0", text(dump, "Controls")->font);
    ASSERT_NE(nullptr, text(dump, "Perth")) << "rows composed in the list's back buffer reach the form";
    EXPECT_EQ("font1", text(dump, "Perth")->font);
    EXPECT_EQ(nullptr, text(dump, "Accra")) << "scrolled away";
    ASSERT_EQ(2u, dump.lists.size());
    const ScreenDump::List& list = dump.lists[0];
    EXPECT_EQ("items", list.kind);
    EXPECT_EQ(27, list.count);
    EXPECT_TRUE(list.scrollBar);
    EXPECT_GT(list.first, 0) << "scrolled";
    EXPECT_EQ(25, list.first + list.rows - 1) << "just far enough for Perth, row 25";
    EXPECT_EQ("combo", dump.lists[1].kind);
    EXPECT_FALSE(dump.lists[1].open);
    for (const ScreenDump::Item& item : dump.items)
    {
        if (item.label == "Perth")
        {
            EXPECT_TRUE(item.selected);
            EXPECT_GT(item.width, 0);
        }
    }
    std::ifstream file(shots / "gallery.json");
    const std::string json((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(dump.ToJson(), json);
    EXPECT_NE(std::string::npos, json.find("\"label\": \"Perth\"")) << json;

    // The open menu lists its entries and hides the rows beneath it.
    ASSERT_TRUE(Run("press sr_Go_button\n"));
    dump = script->Describe();
    EXPECT_EQ(nullptr, text(dump, "Perth")) << "under the open menu";
    int radios = 0;
    int entries = 0;
    for (const ScreenDump::Button& b : dump.buttons)
    {
        radios += b.bitmap == "sr_Radio_Button.bmp";
        entries += b.bitmap.rfind("sr_Popup1", 0) == 0;
        if (b.bitmap == "sr_Popup1Retire_button.bmp")
        {
            EXPECT_FALSE(b.enabled);
        }
        if (b.bitmap == "sr_Go_button.bmp")
        {
            EXPECT_TRUE(b.checked) << "the menu is open";
        }
    }
    EXPECT_EQ(3, radios);
    EXPECT_EQ(4, entries);
    // Closed again, the rows beneath are back.
    ASSERT_TRUE(Run("tap 200 100\nwait 50\n"));
    EXPECT_NE(nullptr, text(script->Describe(), "Perth"));
}
