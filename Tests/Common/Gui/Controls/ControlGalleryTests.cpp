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

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

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
