#include "Common/Gui/Forms/GameOverForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/HighScoreTable.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/MainForm.h"
#include "WinCE/Bitmap.h"

#include <cinttypes>
#include <cstdio>

namespace
{
enum Button
{
    OK,
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::PLAIN, false, false, nullptr, SRForm::CENTRED, 0, {}, {},
};

// The reason lines of each screen, 38 to 42; a null third line is absent.
constexpr const char* REASONS[5][3] = {
    {"You have chosen to end", "this game.", nullptr},
    {"The worth of your company", "has dropped below zero,", "you are bankrupt."},
    {"You have set up over 50%", "of all possible routes", "all around the world."},
    {"You have reached year 2003.", "This ends the game.", nullptr},
    {"Your last plane has crashed,", "and you can't afford", "a new one."},
};
constexpr int32_t REASON_Y[3] = {120, 135, 150};

bool IsGoodEnd(int32_t number)
{
    return number == Screens::GAME_OVER_RETIRED || number == Screens::GAME_OVER_HALF_OF_ROUTES ||
           number == Screens::GAME_OVER_FINAL_YEAR;
}
} // namespace

GameOverForm::GameOverForm(int32_t number) : SRForm(number, LAYOUT)
{
    const Company* company = Enviroment::GetCompany();
    const Time& now = TimeSimulation::GetCurrGameTime();
    _worth = company->Worth(now);
    HighScoreTable* table = MainForm::HighScores();
    const HighScoreEntry entry{company->GetName(), _worth, now._year};
    // A game enters the table once: the screen built again after a restart
    // finds its own entry there and does not add it twice.
    bool entered = false;
    for (int32_t i = 0; table && i < table->GetCount(); ++i)
        entered = entered || table->Get(i) == entry;
    _highScore = table && (entered || table->Qualifies(entry._name, entry._worth, entry._year));
    if (_highScore && !entered)
        table->Insert(entry);
    AddButton(OK, "sr_Ok_button.bmp", 89, _highScore ? 238 : 189);
    RequestMelody(IsGoodEnd(number) ? MELODY_GOOD : MELODY_BAD);
}

int32_t GameOverForm::ReasonOffset(bool highScore, bool thirdLine)
{
    if (highScore)
        return thirdLine ? 30 : 20;
    return thirdLine ? 0 : -10;
}

void GameOverForm::PaintContent()
{
    DrawCentred(GfxResources::FONT_MENU, _highScore ? 7 : 53, "Game over");
    DrawCentred(GfxResources::FONT_TEXT, _highScore ? 60 : 95, "Game has ended.");
    const auto& lines = REASONS[GetNumber() - Screens::GAME_OVER_RETIRED];
    const int32_t offset = ReasonOffset(_highScore, lines[2] != nullptr);
    for (int32_t i = 0; i < 3 && lines[i]; ++i)
        DrawCentred(GfxResources::FONT_YELLOW, REASON_Y[i] - offset, lines[i]);
    if (!_highScore)
        return;
    DrawCentred(GfxResources::FONT_TEXT, 150, "You have made a highscore with");
    DrawCentred(GfxResources::FONT_TEXT, 165, "your company worth total");
    GfxResources::GetBitmap(GfxResources::BMP_AMOUNT_PANEL)->Draw(this, 49, 192, SRCCOPY);
    char worth[40];
    std::snprintf(worth, sizeof(worth), "$%" PRId64, _worth);
    DrawCentred(GfxResources::FONT_TEXT, 196, worth);
}

std::string GameOverForm::GetTitleText() const
{
    return "Game over";
}

void GameOverForm::OnButton(int32_t id)
{
    if (id != OK)
        return;
    TimeSimulation::Clear();
    GoTo(Screens::GAME_ENDED);
}
