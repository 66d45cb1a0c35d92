// BotGame: one whole game played by the player-bot on the real program, on
// the headless host, from a fresh store to "Game over" and the high score
// table. The bot founds an airline through the screens, manages it once a
// game year, answers every notice and plays on at the skip-to-next key. At
// moments drawn from the plan's seed the program is left (which saves) and
// started again, and Resume must show the very screen that was left.
//
// The tests check its result and compare the bot's record of the screens it
// met with a kept one; the bot-game benchmark plays the same games for their
// figures. Nothing here asserts: a failure ends the game and is reported.
#pragma once

#include "Common/PlayerBot.h"
#include "Common/HeadlessProgram.h"

#include <cstdint>
#include <memory>
#include <string>

class HostScript;
class SkyreachApp;

class BotGame
{
public:
    struct Plan
    {
        // The company is called "Bot <name>".
        const char* name;
        // Draws the moments of the restarts.
        uint32_t seed;
        // The year the bot retires in; 0 plays on to the game's own end.
        int32_t retireIn;
    };
    struct Result
    {
        // The game-over screen that ended it (38 to 42), 0 when it did not end.
        int32_t ending = 0;
        int32_t year = 0;
        bool highScore = false;
        // The high score table shown after the game names the company.
        bool inHighScores = false;
        int restarts = 0;
        // What went wrong, empty when nothing did.
        std::string failure;
    };

    // The game runs in a headless program of its own.
    BotGame();
    ~BotGame();
    BotGame(const BotGame&) = delete;
    BotGame& operator=(const BotGame&) = delete;

    Result Play(const Plan& plan);

    const PlayerBot& Bot() const { return _bot; }

private:
    void Start();
    void Stop();
    // Leaves the program and starts it again; false (with the failure) when
    // Resume does not bring the same screen back.
    bool Restart(Result& result);
    // A game year's management; false on a failure.
    bool Manage(int32_t year, Result& result);
    bool Fail(Result& result, const std::string& what);

    HeadlessProgram _program;
    std::unique_ptr<SkyreachApp> _app;
    std::unique_ptr<HostScript> _script;
    PlayerBot _bot;
    bool _menuVisited = false;
};
