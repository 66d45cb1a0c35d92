// BenchGame: the real program on the headless host for the screen
// benchmarks: a store of its own, the built data file, the shared graphics,
// the application past its splash screens and a new game under way. Made
// once per benchmark; everything is released again in reverse order.
#pragma once

#include "Common/Backend/GameState.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/MainForm.h"
#include "Common/SkyreachApp.h"
#include "WinCE/DataFile.h"
#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/Host/HostScript.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegistryStore.h"
#include "WinCE/TempFolder.h"

#include <memory>
#include <sstream>
#include <string>

class BenchGame
{
public:
    BenchGame()
    {
        RegistryStore::UseFile(_folder / "registry.sqlite3");
        {
            RegKey key(HKEY_LOCAL_MACHINE, RegKey::AppKeyPath().c_str(), true);
        }
        DataFile::UseFile(std::string(SKYREACH_BINARY_DIR) + "/Skyreach.dat");
        _host.SetEchoMessages(false);
        SetHost(&_host);
        GfxResources::Init();
        _app = std::make_unique<SkyreachApp>();
        _app->Init();
        _script = std::make_unique<HostScript>(_host, *_app);
        Run("wait 25\ntap 1 100\ntap 1 100\n");
        GameState::NewGame("Bench Air", 7);
        _app->GetMainMenu()->SetGameActive(true);
    }
    ~BenchGame()
    {
        _script.reset();
        _app.reset();
        GfxResources::Release();
        SetHost(nullptr);
        DataFile::Destroy();
        RegistryStore::UseFile("");
    }
    BenchGame(const BenchGame&) = delete;
    BenchGame& operator=(const BenchGame&) = delete;

    SkyreachApp& App() { return *_app; }
    CentralFormChanger* Navigation() { return _app->GetMainMenu()->GetNavigation(); }
    // Runs script lines (wait, tap, key, ...) on the program.
    void Run(const char* commands)
    {
        std::istringstream in(commands);
        std::string error;
        _script->Run(in, &error);
    }

private:
    TempFolder _folder;
    HeadlessHost _host{5000};
    std::unique_ptr<SkyreachApp> _app;
    std::unique_ptr<HostScript> _script;
};
