#include "../../GameTestSupport.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Events/PlaneCrashEvent.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/HighScoreTable.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/SpeedSlider.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/GameOverForm.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Forms/MainForm.h"
#include "Common/Gui/Forms/PlanesForm.h"
#include "WinCE/MenuBar.h"
#include "Common/Gui/Forms/SRForm.h"
#include "Common/Gui/Forms/ScreenFactory.h"
#include "Common/Gui/Forms/TimeCashForm.h"
#include "WinCE/Bitmap.h"
#include "WinCE/CrtDbg.h"
#include "WinCE/ScreenDump.h"
#include "Wkr/Gui/GfxButton.h"

#include <string>
#include <vector>

using game_test::GameTest;

namespace
{
class NavigationTest : public GameTest
{
protected:
    // Starts the program with a game under way at the menu.
    void StartGame()
    {
        Start();
        Run("wait 25\ntap 1 100\ntap 1 100\n");
        GameState::NewGame("Audit Air", 7);
        menu()->SetGameActive(true);
    }
    MainForm* menu() const { return app->GetMainMenu(); }
    CentralFormChanger* nav() const { return menu()->GetNavigation(); }
    SRForm* screen() const { return nav()->GetScreen(); }
    // Requests a screen the way the menu does and lets the loop build it.
    void Open(int32_t number)
    {
        nav()->ChangeForm(number);
        nav()->Show();
        Run("wait 75\n");
    }
    ScreenDump Dump() const
    {
        ScreenDump dump;
        if (Form* top = Form::GetTopVisible())
            top->Describe(dump);
        return dump;
    }
};

struct Step
{
    char op; // 'c' ChangeForm, 'b' GoBack, 'r' ResumeForm
    int32_t n;
    int32_t current, pf, ppf, pppf, rf;
};

// The history is a value that only the navigation form changes: a sequence
// of requests and the state after each.
TEST_F(NavigationTest, HistoryShiftsThreeDeepAndGoingBackSaturates)
{
    StartGame();
    const Step steps[] = {
        // A fresh navigation state stands at 1.
        {'c', 5, 5, 1, 0, 0, 5},
        {'c', 12, 12, 5, 1, 0, 12},
        {'c', 17, 17, 12, 5, 1, 17},
        {'c', 43, 43, 17, 12, 5, 43},
        // The main menu remembers where to resume and leaves the history.
        {'c', 0, 0, 17, 12, 5, 43},
        {'r', 0, 43, 17, 12, 5, 43},
        {'b', 0, 17, 12, 5, 5, 17},
        {'b', 0, 12, 5, 5, 5, 12},
        {'b', 0, 5, 5, 5, 5, 5},
        {'b', 0, 5, 5, 5, 5, 5},
        // Screen 1 does not shift the history; 0 from 1 keeps the resume screen.
        {'c', 1, 1, 5, 5, 5, 5},
        {'c', 0, 0, 5, 5, 5, 5},
    };
    CentralFormChanger* n = nav();
    n->ResetState();
    for (const Step& step : steps)
    {
        if (step.op == 'c')
            n->ChangeForm(step.n);
        else if (step.op == 'b')
            n->GoBack();
        else
            n->ResumeForm();
        SCOPED_TRACE(std::string(1, step.op) + " " + std::to_string(step.n));
        EXPECT_EQ(step.current, n->GetCurrentNumber());
        EXPECT_EQ(step.pf, n->PreviousForm());
        EXPECT_EQ(step.ppf, n->GetHistory(1));
        EXPECT_EQ(step.pppf, n->GetHistory(2));
        EXPECT_EQ(step.rf, n->GetResumeForm());
        EXPECT_TRUE(n->IsChangePending());
    }
}

TEST_F(NavigationTest, StateSavesAndLoadsWithProvisionalAndFlownRoutes)
{
    StartGame();
    Company* company = Enviroment::GetCompany();
    Plane* plane = company->BuyPlane(Enviroment::CheapestModelFor(0), "One", TimeSimulation::GetCurrGameTime());
    ASSERT_NE(nullptr, plane);
    CentralFormChanger* n = nav();
    n->ChangeForm(5);
    n->ChangeForm(43);
    n->SetCurrentPlane(plane);
    n->SetCurrentDetails(company->GetDetails(0));
    n->SetCurrentAirport(12);
    auto route = std::make_unique<Route>(7);
    route->SetDestination(13);
    n->SetProvisionalRoute(std::move(route));

    ConfigBlock saved;
    n->Save(saved);
    n->ResetState();
    std::string error;
    ASSERT_TRUE(n->Load(saved, &error)) << error;
    EXPECT_EQ(plane, n->GetCurrentPlane());
    EXPECT_EQ(company->GetDetails(0), n->GetCurrentDetails());
    EXPECT_EQ(12, n->GetCurrentAirport());
    ASSERT_TRUE(n->IsRouteProvisional()) << "rebuilt from its own block";
    EXPECT_EQ(13, n->GetCurrentRoute()->_destination);
    EXPECT_EQ(43, n->GetResumeForm());
    ConfigBlock again;
    n->Save(again);
    EXPECT_EQ(saved.GetRaw(), again.GetRaw()) << "saved, loaded and saved again gives the same bytes";

    // A route a plane flies is found again through the plane.
    company->OpenRoute(plane, 7, Enviroment::GetNeighbour(7, 0), 1, 1, TimeSimulation::GetCurrGameTime());
    n->SetCurrentRoute(plane);
    ConfigBlock flown;
    n->Save(flown);
    n->ResetState();
    ASSERT_TRUE(n->Load(flown, &error)) << error;
    EXPECT_FALSE(n->IsRouteProvisional());
    EXPECT_EQ(plane->GetRoute(), n->GetCurrentRoute());

    // Damage is refused with a reason and leaves a fresh state.
    ConfigBlock damaged = flown;
    damaged.Put("_pf", int64_t{5});
    EXPECT_FALSE(n->Load(damaged, &error));
    EXPECT_NE(std::string::npos, error.find("wrong size")) << error;
    ConfigBlock outOfRange = flown;
    outOfRange.Put("_rf", int32_t{500});
    EXPECT_FALSE(n->Load(outOfRange, &error));
    EXPECT_EQ(1, n->GetCurrentNumber());
}

// Every number builds what the factory table names, inside the screen, with
// buttons that do not overlap, and leaves nothing behind when destroyed.
TEST_F(NavigationTest, EveryScreenNumberBuildsTheScreenOfTheTable)
{
    StartGame();
    for (int32_t number = 0; number <= Screens::LAST_SCREEN + 1; ++number)
    {
        SCOPED_TRACE("screen " + std::to_string(number));
        // Plane details and route edit show the planes list while no plane is current.
        const int32_t built =
            number == Screens::PLANE_DETAILS || number == Screens::ROUTE_EDIT ? Screens::PLANES : number;
        const ScreenFactory::Row* row = ScreenFactory::Find(built);
        size_t blocksBefore = 0;
        for (int pass = 0; pass < 2; ++pass)
        {
            // The second pass finds every shared image loaded by the first.
            if (pass == 1)
                blocksBefore = CrtDbg::Global().GetBlockCount();
            nav()->ResetState();
            Open(number);
            if (!row)
            {
                EXPECT_EQ(nullptr, screen());
                EXPECT_EQ(menu(), Form::GetTopVisible()) << "numbers without a screen return to the menu";
                break;
            }
            ASSERT_NE(nullptr, screen());
            EXPECT_EQ(built, screen()->GetNumber());
            EXPECT_EQ(screen(), Form::GetTopVisible());
            const ScreenDump dump = Dump();
            EXPECT_EQ(built, dump.screen);
            std::vector<ScreenDump::Button> seen;
            for (const ScreenDump::Button& b : dump.buttons)
            {
                EXPECT_GE(b.x, 0) << b.bitmap;
                EXPECT_GE(b.y, 0) << b.bitmap;
                EXPECT_LE(b.x + b.width, SRForm::WIDTH) << b.bitmap;
                EXPECT_LE(b.y + b.height, SRForm::HEIGHT) << b.bitmap;
                for (const ScreenDump::Button& o : seen)
                {
                    const bool apart = b.x + b.width <= o.x || o.x + o.width <= b.x || b.y + b.height <= o.y ||
                                       o.y + o.height <= b.y;
                    EXPECT_TRUE(apart) << b.bitmap << " overlaps " << o.bitmap;
                }
                seen.push_back(b);
            }
            nav()->ResetState();
        }
        if (row)
        {
            EXPECT_EQ(blocksBefore, CrtDbg::Global().GetBlockCount()) << "the screen leaks";
        }
        nav()->Hide();
        Run("wait 50\n");
    }
}

TEST_F(NavigationTest, TopBarLampsFollowTheSpeed)
{
    StartGame();
    Open(Screens::PLANES);
    const struct
    {
        int32_t speed;
        int32_t lamps;
    } cases[] = {{0, 0}, {60, 1}, {1800, 2}, {3600, 3}, {10800, 4}, {129600, 4}, {518400, 4}};
    for (const auto& c : cases)
    {
        TimeSimulation::SetSpeed(c.speed);
        const ScreenDump dump = Dump();
        EXPECT_TRUE(dump.topBar.shown);
        EXPECT_EQ(c.lamps, dump.topBar.lamps) << "speed " << c.speed;
    }
    EXPECT_EQ(Enviroment::GetCompany()->GetCash(), Dump().topBar.cash);
}

TEST_F(NavigationTest, TopBarTapsOpenTimeAndCashAndGoBack)
{
    StartGame();
    Open(Screens::PLANES);
    // Down in the top bar, up below it: nothing.
    Run("down 200 36\nup 200 60\nwait 75\n");
    EXPECT_EQ(Screens::PLANES, screen()->GetNumber());
    Run("tap 200 36\nwait 75\n");
    ASSERT_EQ(Screens::TIME_AND_CASH, screen()->GetNumber());
    // Time & Cash goes back by its tab on the left, not by the right part.
    Run("tap 200 36\nwait 75\n");
    EXPECT_EQ(Screens::TIME_AND_CASH, screen()->GetNumber());
    Run("tap 40 36\nwait 75\n");
    EXPECT_EQ(Screens::PLANES, screen()->GetNumber());
}

TEST_F(NavigationTest, TimeAndCashSliderWrapsAndTheFastSpeedsKeepIt)
{
    StartGame();
    TimeSimulation::SetSpeed(0);
    Open(Screens::TIME_AND_CASH);
    auto* form = static_cast<TimeCashForm*>(screen());
    EXPECT_EQ(0, form->GetSlider()->GetPosition());
    Run("key a\n"); // speed down at the slowest wraps to the fastest
    EXPECT_EQ(4, form->GetSlider()->GetPosition());
    EXPECT_EQ(10800, TimeSimulation::GetGameSpeed());
    Run("key b\n");
    EXPECT_EQ(0, form->GetSlider()->GetPosition());
    EXPECT_EQ(0, TimeSimulation::GetGameSpeed());
    Run("char 3\n");
    EXPECT_EQ(518400, TimeSimulation::GetGameSpeed());
    EXPECT_EQ(0, form->GetSlider()->GetPosition()) << "the slider does not move for the fast speeds";
    EXPECT_STREQ("Planes", TimeCashForm::ReturnLabel(Screens::PLANES, 0));
    EXPECT_STREQ("P&L Account", TimeCashForm::ReturnLabel(Screens::STATISTICS, 2));
    EXPECT_STREQ("Return", TimeCashForm::ReturnLabel(Screens::NEW_GAME, 0));
}

TEST_F(NavigationTest, GameOverEntersAHighScoreOnceAndPlacesItsLines)
{
    EXPECT_EQ(0, GameOverForm::ReasonOffset(false, true));
    EXPECT_EQ(-10, GameOverForm::ReasonOffset(false, false));
    EXPECT_EQ(30, GameOverForm::ReasonOffset(true, true));
    EXPECT_EQ(20, GameOverForm::ReasonOffset(true, false));

    StartGame();
    Enviroment::GetCompany()->Earn(900000000000LL / 1000, false);
    HighScoreTable* table = MainForm::HighScores();
    Open(Screens::GAME_OVER_RETIRED);
    auto* over = static_cast<GameOverForm*>(screen());
    ASSERT_TRUE(over->HasHighScore());
    EXPECT_EQ(238, over->GetButton(0)->GetY());
    ASSERT_FALSE(host->PlayedSounds().empty());
    EXPECT_EQ(SRForm::MelodySound(SRForm::MELODY_GOOD), host->PlayedSounds().back()) << "played at the next idle step";
    const HighScoreEntry entry{"Audit Air", over->GetWorth(), 1959};
    auto count = [&]
    {
        int n = 0;
        for (int32_t i = 0; i < table->GetCount(); ++i)
            n += table->Get(i) == entry ? 1 : 0;
        return n;
    };
    EXPECT_EQ(1, count());
    // Built again (a restart on this screen): still one entry.
    Open(Screens::GAME_OVER_RETIRED);
    EXPECT_EQ(1, count());

    // A bankrupt company makes no high score: OK stands higher.
    Enviroment::GetCompany()->Spend(Enviroment::GetCompany()->GetCash() + 100000000, false);
    Open(Screens::GAME_OVER_BANKRUPTCY);
    over = static_cast<GameOverForm*>(screen());
    EXPECT_FALSE(over->HasHighScore());
    EXPECT_EQ(189, over->GetButton(0)->GetY());
    EXPECT_EQ(SRForm::MelodySound(SRForm::MELODY_BAD), host->PlayedSounds().back());
    // OK clears the schedule and ends the game: the menu disables Resume.
    over->GetButton(0)->OnStylusDown(100, 195);
    over->GetButton(0)->OnStylusUp(100, 195);
    Run("wait 100\n");
    EXPECT_EQ(0, TimeSimulation::GetEventCount());
    EXPECT_EQ(menu(), Form::GetTopVisible());
    EXPECT_FALSE(menu()->IsGameActive());
}

// The endings nothing else requests: the company's only plane crashes with
// no money for another, and more than half of all routes are served.
TEST_F(NavigationTest, TheLastPlaneLostWithoutMoneyEndsTheGame)
{
    StartGame();
    Company* company = Enviroment::GetCompany();
    const Time now = TimeSimulation::GetCurrGameTime();
    Plane* first = company->BuyPlane(Enviroment::CheapestModelFor(0), "First", now);
    Plane* second = company->BuyPlane(Enviroment::CheapestModelFor(0), "Second", now);
    ASSERT_TRUE(first && second);
    company->OpenRoute(first, 7, Enviroment::GetNeighbour(7, 0), 1, 1, now);
    company->OpenRoute(second, 7, Enviroment::GetNeighbour(7, 1), 1, 1, now);
    EXPECT_EQ(2, company->ServedPairCount());
    EXPECT_LT(2 * 2, Enviroment::PossibleRouteCount());
    company->Spend(company->GetCash(), false);
    EXPECT_FALSE(company->CanAffordAnyPlane());

    const struct
    {
        const char* what;
        bool onlyPlane;
        int64_t cash;
        int32_t screen;
    } cases[] = {
        {"another plane flies on", false, 0, Screens::PLANE_CRASH},
        {"the only plane, money for another", true, 10000000, Screens::PLANE_CRASH},
        {"the only plane, no money", true, 0, Screens::GAME_OVER_LAST_PLANE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        if (c.onlyPlane && company->GetPlaneCount() == 2)
            company->SellPlane(second, now);
        company->Spend(company->GetCash(), false);
        company->Earn(c.cash, false);
        nav()->ResetState();
        PlaneCrashEvent crash;
        crash._plane = first;
        EXPECT_EQ(1, crash.Execute());
        EXPECT_EQ(c.screen, nav()->GetCurrentNumber());
    }
    EXPECT_EQ(1, company->ServedPairCount());
}
} // namespace

namespace
{
// A player's first game through the real program: taps and keys only.
TEST_F(NavigationTest, APlayerStartsLeavesResumesAndRetires)
{
    Start();
    Run("wait 25\ntap 1 100\ntap 1 100\n"
        "tap 160 133\nwait 100\n"    // New Game: no game yet, straight to the name
        "type Audit Air\nwait 100\n" // OK enables itself
        "tap 119 226\nwait 100\n");
    ASSERT_NE(nullptr, screen());
    ASSERT_EQ(Screens::AIRPORT_SELECTION, screen()->GetNumber());
    EXPECT_EQ("Audit Air", Enviroment::GetCompany()->GetName());
    Run("key down\nkey down\nwait 50\ntap 119 276\nwait 100\n"); // the third airport, OK
    ASSERT_EQ(Screens::PLANES, screen()->GetNumber());
    const int32_t home = Enviroment::GetCompany()->GetHomeAirport();
    EXPECT_EQ(GameState::HomeAirportCandidates()[2], home);
    EXPECT_GE(TimeSimulation::GetEventCount(), 5) << "the calendar events of a new game";
    Run("wait 2000\n");
    EXPECT_GT(TimeSimulation::GetCurrGameTime()._minute, 0) << "time runs on the planes list";
    Run("tap 200 36\nwait 100\nkey b\nwait 100\n"); // Time & Cash, speed up
    ASSERT_EQ(Screens::TIME_AND_CASH, screen()->GetNumber());
    EXPECT_EQ(1800, TimeSimulation::GetGameSpeed());
    screen()->OnCommand(COMMAND_MAIN_MENU);
    Run("wait 100\nquit\n");
    Stop();

    Start();
    Run("wait 25\ntap 1 100\ntap 1 100\ntap 160 160\nwait 100\n"); // Resume
    ASSERT_NE(nullptr, screen());
    EXPECT_EQ(Screens::TIME_AND_CASH, screen()->GetNumber()) << "the screen the player left";
    EXPECT_EQ("Audit Air", Enviroment::GetCompany()->GetName());
    EXPECT_EQ(home, Enviroment::GetCompany()->GetHomeAirport());
    Run("tap 40 36\nwait 100\n"); // back to the planes list
    ASSERT_EQ(Screens::PLANES, screen()->GetNumber());
    // A lucky year: enough for the high scores. Go → Retire → Yes → Game over → OK.
    Enviroment::GetCompany()->Earn(5000000, false);
    PopupItem* retire = static_cast<PlanesForm*>(screen())->GetPopup()->GetItem(0);
    const std::string tapRetire = "tap " + std::to_string(retire->GetX() + 10) + " " +
                                  std::to_string(retire->GetY() + retire->GetHeight() / 2 + SYSTEM_BAR_HEIGHT);
    Run(("tap 40 276\nwait 50\n" + tapRetire + "\nwait 100\n").c_str());
    ASSERT_EQ(Screens::REALLY_RETIRE, screen()->GetNumber());
    Run("tap 70 226\nwait 100\n"); // Yes
    ASSERT_EQ(Screens::GAME_OVER_RETIRED, screen()->GetNumber());
    auto* over = static_cast<GameOverForm*>(screen());
    EXPECT_TRUE(over->HasHighScore()) << "five and a half million beat the lowest default row";
    const HighScoreEntry entry{"Audit Air", over->GetWorth(), 1959};
    EXPECT_EQ(1, MainForm::HighScores()->RankOf(entry._name, entry._worth, entry._year) >= 0 ? 1 : 0);
    Run("tap 119 276\nwait 100\n"); // OK
    EXPECT_EQ(menu(), Form::GetTopVisible());
    EXPECT_FALSE(menu()->IsGameActive());
    EXPECT_FALSE(menu()->GetResumeButton()->IsEnabled());
    Run("quit\n");
    Stop();
    Start();
    bool kept = false;
    for (int32_t i = 0; i < MainForm::HighScores()->GetCount(); ++i)
        kept = kept || MainForm::HighScores()->Get(i) == entry;
    EXPECT_TRUE(kept) << "the high score survives the restart";
    EXPECT_FALSE(menu()->IsGameActive());
}
} // namespace
