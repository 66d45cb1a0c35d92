// BenchGame: the real program on the headless host for the screen
// benchmarks: the application in a headless program of its own, past its
// splash screens, with a new game under way. Made once per benchmark;
// everything is released again in reverse order.
#pragma once

#include "Common/Backend/GameState.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/MainForm.h"
#include "Common/HeadlessProgram.h"
#include "Common/SkyreachApp.h"
#include "WinCE/Host/HostScript.h"

#include <memory>
#include <sstream>
#include <string>

class BenchGame
{
public:
    BenchGame()
    {
        _app = std::make_unique<SkyreachApp>();
        _app->Init();
        _script = std::make_unique<HostScript>(*_program.host, *_app);
        Run("wait 25\ntap 1 100\ntap 1 100\n");
        GameState::NewGame("Bench Air", 7);
        _app->GetMainMenu()->SetGameActive(true);
    }
    ~BenchGame()
    {
        _script.reset();
        _app.reset();
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
    HeadlessProgram _program;
    std::unique_ptr<SkyreachApp> _app;
    std::unique_ptr<HostScript> _script;
};
