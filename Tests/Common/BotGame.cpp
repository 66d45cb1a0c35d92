#include "Common/BotGame.h"

#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/SkyreachApp.h"
#include "WinCE/Host/HostScript.h"

#include <sstream>

namespace
{
// Past the two splash screens to the main menu.
constexpr const char* TO_THE_MENU = "wait 50\ntap 120 160\ntap 120 160\nwait 100";

// The game's steps at most: a whole game takes some tens of thousands.
constexpr int MAX_STEPS = 200000;
// More answers than this without time moving on are a bot going round in
// circles.
constexpr int MAX_ANSWERS_IN_A_ROW = 200;
// The bot's fleet grows to this many planes at most.
constexpr int32_t MAX_FLEET = 6;
// One step in this many restarts the program.
constexpr uint32_t RESTART_ODDS = 250;

std::string Texts(const ScreenDump& screen)
{
    std::string all;
    for (const ScreenDump::Text& text : screen.texts)
        all += text.text + "\n";
    return all;
}

bool IsGameOver(int32_t number)
{
    return number >= Screens::GAME_OVER_RETIRED && number <= Screens::GAME_OVER_LAST_PLANE;
}
} // namespace

BotGame::BotGame()
{
    _bot.SetCareful(true);
}

BotGame::~BotGame()
{
    _script.reset();
    _app.reset();
}

void BotGame::Start()
{
    _app = std::make_unique<SkyreachApp>();
    _app->Init();
    _script = std::make_unique<HostScript>(*_program.host, *_app);
    _bot.Rebind(*_script);
}

void BotGame::Stop()
{
    // As the program ends: the game is saved, then everything released.
    _script.reset();
    _app->SaveGame();
    _app.reset();
}

bool BotGame::Fail(Result& result, const std::string& what)
{
    result.failure = what;
    if (!_bot.Failure().empty())
        result.failure += ": " + _bot.Failure();
    return false;
}

bool BotGame::Restart(Result& result)
{
    const ScreenDump before = _bot.Look();
    Stop();
    Start();
    if (!_bot.Do(TO_THE_MENU) || !_bot.Resume())
        return Fail(result, "Resume after a restart");
    const ScreenDump after = _bot.Look();
    if (after.screen != before.screen || after.title != before.title || Texts(after) != Texts(before))
    {
        return Fail(result, "Resume shows screen " + std::to_string(after.screen) + " (" + after.title +
                                ") instead of " + std::to_string(before.screen) + " (" + before.title + ")");
    }
    ++result.restarts;
    return true;
}

bool BotGame::Manage(int32_t year, Result& result)
{
    // The fleet tended first (worn planes sold), then three planes to
    // start with and one more a year while the cash allows, up to ten; one
    // airport invested in; a credit in 1960, repaid in 1962; the statistics
    // every fifth year; the menu's screens once.
    if (!_bot.ReviewProfits())
        return Fail(result, "reviewing the profits");
    if (!_bot.TendFleet())
        return Fail(result, "tending the fleet");
    const int64_t cash = PlayerBot::Cash(_bot.Look());
    _bot.Note("-- " + std::to_string(year) + ": cash " + std::to_string(cash) + ", " +
              std::to_string(_bot.Fleet()) + " planes");
    const int wanted = _bot.Fleet() < 3 ? 3 - _bot.Fleet() : cash > 1500000 && _bot.Fleet() < MAX_FLEET ? 1 : 0;
    for (int i = 0; i < wanted; ++i)
    {
        if (!_bot.BuyPlaneOnRoute() && !_bot.Failure().empty())
            return Fail(result, "buying a plane");
    }
    if (PlayerBot::Cash(_bot.Look()) > 1000000 && !_bot.ResearchFreshAirport())
        return Fail(result, "researching a fresh airport");
    if (!_bot.InvestInAirport(PlayerBot::Cash(_bot.Look())))
        return Fail(result, "investing in an airport");
    if (year == 1960 && !_bot.Borrow())
        return Fail(result, "borrowing");
    if (year == 1962 && !_bot.Repay())
        return Fail(result, "repaying");
    if (year % 5 == 0 && !_bot.VisitStatistics())
        return Fail(result, "visiting the statistics");
    if (!_menuVisited)
    {
        _menuVisited = true;
        if (!_bot.VisitMenuScreens())
            return Fail(result, "visiting the menu's screens");
        if (!_bot.LookAround())
            return Fail(result, "looking around");
    }
    return true;
}

BotGame::Result BotGame::Play(const Plan& plan)
{
    Result result;
    Start();
    const std::string company = std::string("Bot ") + plan.name;
    if (!_bot.Do(TO_THE_MENU) || !_bot.StartNewGame(company, "USA, New York"))
    {
        Fail(result, "starting a new game");
        return result;
    }
    uint32_t draw = plan.seed;
    int32_t managed = 0;
    int answersInARow = 0;
    for (int step = 0; step < MAX_STEPS; ++step)
    {
        const ScreenDump screen = _bot.Look();
        _bot.Observe(screen);
        // Time runs on between notices; answers alone never end a game.
        if (++answersInARow > MAX_ANSWERS_IN_A_ROW)
        {
            Fail(result, "going round in circles through the answers, now on screen " +
                             std::to_string(screen.screen));
            return result;
        }
        if (IsGameOver(screen.screen))
        {
            result.ending = screen.screen;
            result.highScore = Texts(screen).find("You have made a highscore with") != std::string::npos;
            if (!_bot.Answer(screen))
                Fail(result, "leaving Game over");
            break;
        }
        if (_bot.Answer(screen))
            continue;
        if (!_bot.Failure().empty())
        {
            Fail(result, "answering screen " + std::to_string(screen.screen));
            return result;
        }
        if (!screen.topBar.shown)
        {
            Fail(result, "stuck on screen " + std::to_string(screen.screen) + " (" + screen.form + ")");
            return result;
        }
        draw = draw * 1103515245u + 12345u;
        if ((draw >> 16) % RESTART_ODDS == 0)
        {
            if (!Restart(result))
                return result;
            continue;
        }
        const int32_t year = PlayerBot::Year(screen);
        if (year != managed)
        {
            managed = year;
            if (!Manage(year, result))
                return result;
            if (plan.retireIn != 0 && year >= plan.retireIn && !_bot.Retire())
            {
                Fail(result, "retiring");
                return result;
            }
            continue;
        }
        answersInARow = 0;
        if (!_bot.SkipToNextNotice(screen))
        {
            Fail(result, "skipping to the next notice");
            return result;
        }
    }
    result.year = TimeSimulation::GetCurrGameTime()._year;
    if (result.ending == 0)
    {
        Fail(result, "the game did not end");
        return result;
    }
    // Game over leads to the main menu; its high score table follows.
    if (!_bot.Do("wait 100") || !_bot.Do("press sr_Highscores_button.bmp") || !_bot.Do("wait 100"))
    {
        Fail(result, "opening the high scores");
        return result;
    }
    // The table shows three places at a time: the bot scrolls down its ten.
    for (int place = 0; place < 10 && !result.inHighScores; ++place)
    {
        const ScreenDump table = _bot.Look();
        _bot.Observe(table);
        result.inHighScores = Texts(table).find(company) != std::string::npos;
        if (!_bot.Do("key down") || !_bot.Do("wait 50"))
            break;
    }
    _bot.Do("key back");
    std::ostringstream note;
    note << "-- ended by screen " << result.ending << (result.highScore ? " with a high score" : "") << " in "
         << result.year << ", " << _bot.PlanesBought() << " planes bought, " << result.restarts << " restarts";
    _bot.Note(note.str());
    Stop();
    return result;
}
