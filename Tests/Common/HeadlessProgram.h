// HeadlessProgram: what the game's application object needs around it to run
// headless in a test, a benchmark or a bot game: a store of its own (with the
// application key), the built data file, a headless host that keeps message
// boxes quiet, and the shared graphics. Made before the application and
// released after it, in reverse order.
#pragma once

#include "Common/Gui/Controls/GfxResources.h"
#include "WinCE/DataFile.h"
#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegistryStore.h"
#include "WinCE/TempFolder.h"

#include <memory>
#include <string>

class HeadlessProgram
{
public:
    HeadlessProgram()
    {
        RegistryStore::UseFile(folder / "registry.sqlite3");
        {
            RegKey key(HKEY_LOCAL_MACHINE, RegKey::AppKeyPath().c_str(), true);
            keyOpened = key.IsOpen();
        }
        DataFile::UseFile(std::string(SKYREACH_BINARY_DIR) + "/Skyreach.dat");
        host = std::make_unique<HeadlessHost>(5000);
        host->SetEchoMessages(false);
        SetHost(host.get());
        GfxResources::Init();
    }
    ~HeadlessProgram()
    {
        GfxResources::Release();
        SetHost(nullptr);
        host.reset();
        DataFile::Destroy();
        RegistryStore::UseFile("");
    }
    HeadlessProgram(const HeadlessProgram&) = delete;
    HeadlessProgram& operator=(const HeadlessProgram&) = delete;

    TempFolder folder;
    std::unique_ptr<HeadlessHost> host;
    // Whether the store took the application key.
    bool keyOpened = false;
};
