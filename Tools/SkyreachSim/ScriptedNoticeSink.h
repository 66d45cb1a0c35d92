// ScriptedNoticeSink: the player of skyreach-sim's notices.
//
// The events of the backend open a notice by number or end the game through
// the installed NoticeSink. This sink answers each notice at once with the
// script's current answer for its number (set by the `answer` command, with
// a sensible default for every notice), carries the answer out through the
// same backend operations the notice screens use, and prints one line per
// notice. It also remembers how the game ended.
#pragma once

#include "Common/Backend/NoticeSink.h"
#include "SkyreachSim/SimOutput.h"

#include <cstdint>
#include <map>
#include <string>

class AirportDetails;

class ScriptedNoticeSink : public NoticeSink
{
public:
    explicit ScriptedNoticeSink(SimOutput& output);

    void ShowNotice(int32_t notice) override;
    void GameOver(int32_t reason) override;

    // Sets how a notice is answered from now on. False, with the reason,
    // for a number that is no notice or a choice that notice does not offer.
    bool SetAnswer(int32_t notice, const std::string& choice, std::string* error);
    // The current answer for a notice ("ok" for one that only informs).
    std::string AnswerFor(int32_t notice) const;

    // The warning shown before a plane bound to a charity (68) or VIP (77)
    // flight is sold or its route shut down: true when the answer is to
    // proceed, in which case the plane has been freed from the flight.
    bool ConfirmContractBreak(int32_t notice, AirportDetails* flight);
    // The award for an offered route (59), shown by the route set-up.
    void ShowAward(int64_t award);

    int64_t NoticesShown() const { return _shown; }
    // The reason the game ended, 0 while it goes on.
    int32_t GameOverReason() const { return _gameOver; }
    // A new or loaded game: nothing shown yet, not over.
    void StartGame();
    // A loaded game: it runs again, the notices shown so far still count.
    void Resume() { _gameOver = 0; }

private:
    SimOutput& _output;
    std::map<int32_t, std::string> _answers;
    int64_t _shown;
    int32_t _gameOver;
};
