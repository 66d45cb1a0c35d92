// Set-up for tests of the game's application object and main form: the
// application in a headless program of its own (HeadlessProgram), driven by
// a script.
#pragma once

#include "Common/HeadlessProgram.h"
#include "Common/SkyreachApp.h"
#include "WinCE/Host/HostScript.h"

#include <gtest/gtest.h>

#include <memory>

namespace game_test
{
class GameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        program = std::make_unique<HeadlessProgram>();
        ASSERT_TRUE(program->keyOpened);
        host = program->host.get();
    }
    void TearDown() override
    {
        script.reset();
        app.reset();
        program.reset();
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

    std::unique_ptr<HeadlessProgram> program;
    HeadlessHost* host = nullptr;
    std::unique_ptr<SkyreachApp> app;
    std::unique_ptr<HostScript> script;
};
} // namespace game_test
