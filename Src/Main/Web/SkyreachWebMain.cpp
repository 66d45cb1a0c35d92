// Program entry of the game in a browser page (the emscripten build in Web/).
//
// The page has fetched the data file and loaded the store from the
// browser's storage before this runs (WebHostPage.js). main records both
// files in the store as the install step does on the desktop, starts the
// game on the browser host and returns; the browser then steps the loop on
// its animation frames. The game saves whenever the page is hidden or
// closed, and when the player leaves it (Ctrl+Q), as on the desktop.
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/SkyreachApp.h"
#include "WinCE/Assert.h"
#include "WinCE/DataFile.h"
#include "WinCE/Host/WebHost.h"
#include "WinCE/InstalledFiles.h"
#include "WinCE/RegistryStore.h"

#include <cstdio>
#include <string>

namespace
{
// Where the page puts the data file, and the store the page keeps.
constexpr const char* DATA_PATH = "/game/Skyreach.dat";
constexpr const char* STORE_PATH = "/store/registry.sqlite3";
// The manual beside the page, opened by the browser.
constexpr const char* MANUAL_URL = "JetWarden.html";

WebHost* s_host = nullptr;
SkyreachApp* s_app = nullptr;

// Assertion and fatal-error boxes as dialogs in the page.
FailureAnswer PageFailure(FailureKind kind, const char* caption, const char* text)
{
    std::fprintf(stderr, "%s: %s\n", caption, text);
    if (!s_host)
        return kind == FailureKind::Assertion ? FailureAnswer::Abort : FailureAnswer::Cancel;
    const HostAnswer answer = s_host->MessageBox(
        caption, text, kind == FailureKind::Assertion ? HostButtons::AbortRetryIgnore : HostButtons::RetryCancel);
    return answer == HostAnswer::Abort ? FailureAnswer::Abort : FailureAnswer::Cancel;
}

// After the last iteration: the save and the shared graphics, as a desktop
// run ends.
void Finish()
{
    s_app->SaveGame();
    delete s_app;
    s_app = nullptr;
    GfxResources::Release();
    s_host->MessageBox(SkyreachApp::APPLICATION_NAME,
                       "The game was saved and has ended. Reload the page to play again.", HostButtons::Ok);
}
} // namespace

int main()
{
    RegistryStore::UseFile(STORE_PATH);
    DataFile::UseFile(DATA_PATH);
    // The page lives as long as the tab: the host and the game are never
    // destroyed by leaving main.
    s_host = new WebHost();
    SetHost(s_host);
    SetFailureHandler(PageFailure);
    std::string error;
    FATAL(!InstalledFiles::Record({DATA_PATH, MANUAL_URL}, &error), error.c_str());
    GfxResources::Init();
    s_app = new SkyreachApp();
    s_app->Init();
    s_host->Run([] { return s_app->Step(true); }, Finish);
    return 0;
}
