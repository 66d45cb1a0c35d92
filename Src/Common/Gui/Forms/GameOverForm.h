// GameOverForm: screens 38 to 42, "Game over"; the number is the reason
// (retired, bankrupt, over half of all routes set up, the final year
// reached, the last plane lost with no money for another).
//
// A result good enough for the high score table is entered when the screen
// is built, once per ended game, and the screen then shows the worth on a
// panel; the lines move up to make room for it. OK clears what was still
// scheduled and ends the game (37), back to the main menu.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

#include <cstdint>

class GameOverForm : public SRForm
{
public:
    explicit GameOverForm(int32_t number);

    bool HasHighScore() const { return _highScore; }
    int64_t GetWorth() const { return _worth; }
    // How far the reason lines move up: a high score lifts them by 30 to make
    // room for the worth panel, and a reason of two lines sits 10 lower.
    static int32_t ReasonOffset(bool highScore, bool thirdLine);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;
    std::string GetTitleText() const override;

private:
    bool _highScore = false;
    int64_t _worth = 0;
};
