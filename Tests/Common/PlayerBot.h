// PlayerBot: a stand-in for the player at the device screen, for tests that
// play the game headless through the program's own screens.
//
// It sees only what a player sees, the screen as the script's `dump` reads it,
// and acts only as a player does, through the script's verbs (`press`,
// `choose`, `key`, `type`). Every notice an event opens is answered through
// its buttons, and the screens an answer leads on to (the replacement of a
// crashed plane, the plane chosen for a charity or VIP flight, the rate
// question of the bank, the end of the game) are walked through to the end.
// Where a notice offers a choice the bot takes each answer in turn, so a long
// run exercises them all. It counts what it saw and answered.
#pragma once

#include "WinCE/ScreenDump.h"

#include <cstdint>
#include <map>
#include <string>

class HostScript;

class PlayerBot
{
public:
    explicit PlayerBot(HostScript& script);

    // What the device screen shows now.
    ScreenDump Look() const;

    // Answers the notice, or walks on through the screen an answer led to,
    // shown on `screen`; false when `screen` is neither (or a command
    // failed: see Failure).
    bool Answer(const ScreenDump& screen);
    // On a screen where time runs, the key that skips to the next notice;
    // false elsewhere.
    bool SkipToNextNotice(const ScreenDump& screen);

    // How many times each notice number was shown and answered.
    const std::map<int32_t, int>& Answered() const { return _answered; }
    // How many times each answer (a notice number and a button) was given.
    const std::map<std::string, int>& Answers() const { return _answers; }
    // The message of the last command that failed; empty when none did.
    const std::string& Failure() const { return _failure; }

    // Runs one script command line; false (keeping the message) on a failure.
    bool Do(const std::string& line);

private:
    // Presses one of `choices` on notice `notice`: each in turn, one per
    // showing of the notice, among those the screen offers enabled.
    bool PressInTurn(const ScreenDump& screen, int32_t notice, std::initializer_list<const char*> choices);
    bool Press(const std::string& bitmap);
    // Picks the first row of the screen's list (two taps, as a player
    // selects and then picks a row).
    bool ChooseFirstRow(const ScreenDump& screen);
    bool BuyReplacement(const ScreenDump& screen);

    HostScript& _script;
    std::map<int32_t, int> _answered;
    std::map<std::string, int> _answers;
    std::string _failure;
    int _planesBought = 0;
    int _modelsLookedAt = 0;
};
