// Set-up for tests of the game's application object and main form: a store
// of their own with the application key, the built data file, the shared
// graphics and a headless host.
#pragma once

#include "Common/Gui/Controls/GfxResources.h"
#include "Common/SkyreachApp.h"
#include "WinCE/DataFile.h"
#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/Host/HostScript.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegistryStore.h"
#include "WinCE/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace game_test
{
class GameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegistryStore::UseFile(folder / "registry.sqlite3");
        {
            RegKey key(HKEY_LOCAL_MACHINE, RegKey::AppKeyPath().c_str(), true);
            ASSERT_TRUE(key.IsOpen());
        }
        DataFile::UseFile(std::string(SKYREACH_BINARY_DIR) + "/Skyreach.dat");
        host = std::make_unique<HeadlessHost>(5000);
        host->SetEchoMessages(false);
        SetHost(host.get());
        GfxResources::Init();
    }
    void TearDown() override
    {
        script.reset();
        app.reset();
        GfxResources::Release();
        host.reset();
        DataFile::Destroy();
        RegistryStore::UseFile("");
    }

    // Starts the game: the application object, its OnInit and the restore.
    void Start()
    {
        app = std::make_unique<SkyreachApp>();
        app->Init();
        script = std::make_unique<HostScript>(*host, *app);
    }
    // Leaves it the way the program does: save, then release.
    void Stop()
    {
        script.reset();
        app->SaveGame();
        app.reset();
    }
    void Run(const char* commands)
    {
        std::istringstream in(commands);
        std::string error;
        ASSERT_TRUE(script->Run(in, &error)) << error;
    }

    TempFolder folder;
    std::unique_ptr<HeadlessHost> host;
    std::unique_ptr<SkyreachApp> app;
    std::unique_ptr<HostScript> script;
};
} // namespace game_test
