// The statistics screen's six pages through the real program: switching
// pages, the worth breakdown, the account, the planes' sort orders, the
// history graph's scale and clipping, and the map's shades.
#include "../../GameTestSupport.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/NoticeSink.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Statistics.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/ComboBox.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Forms/AirportMarkers.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/ChoiceTabs.h"
#include "Common/Gui/Forms/CompanyWorthHistoryForm.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "Common/Gui/Forms/MainForm.h"
#include "Common/Gui/Forms/MapStatisticsForm.h"
#include "Common/Gui/Forms/PlanesStatisticsForm.h"
#include "Common/Gui/Forms/ProfitLossForm.h"
#include "Common/Gui/Forms/StatisticsForm.h"
#include "WinCE/CrtDbg.h"
#include "WinCE/Font.h"
#include "WinCE/ScreenDump.h"
#include "WinCE/Surface.h"
#include "Wkr/Gui/GfxButton.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

using game_test::GameTest;

namespace
{
using History = CompanyWorthHistoryForm;

class StatisticsTest : public GameTest
{
protected:
    void StartGame()
    {
        Start();
        Run("wait 25\ntap 1 100\ntap 1 100\n");
        GameState::NewGame("Audit Air", 7);
        app->GetMainMenu()->SetGameActive(true);
        TimeSimulation::SetSpeed(0);
    }
    CentralFormChanger* nav() const { return app->GetMainMenu()->GetNavigation(); }
    StatisticsForm* page() const { return dynamic_cast<StatisticsForm*>(nav()->GetScreen()); }
    void Open(int32_t number)
    {
        nav()->ChangeForm(number);
        nav()->Show();
        Run("wait 75\n");
    }
    // Shows a page: from another page as the View pop-up does, else by
    // opening the screen.
    void OpenPage(int32_t n)
    {
        if (page())
        {
            page()->ShowPage(n);
            Run("wait 75\n");
            return;
        }
        nav()->SetSubState(n);
        Open(Screens::STATISTICS);
    }
    // Taps the centre of a rectangle of the screen, on the device.
    void Tap(int32_t x, int32_t y)
    {
        Run(("tap " + std::to_string(x) + " " + std::to_string(y + SYSTEM_BAR_HEIGHT) + "\nwait 75\n")
                .c_str());
    }
    // Opens a pop-up by its button at x and chooses its entry `i` as a
    // player does.
    void Choose(PopupMenu* popup, int32_t x, int32_t i)
    {
        Tap(x + 10, StatisticsForm::POPUP_Y + 10);
        ASSERT_TRUE(popup->IsOpen());
        PopupItem* item = popup->GetItem(i);
        Tap(item->GetX() + 10, item->GetY() + item->GetHeight() / 2);
    }
    void View(int32_t i) { Choose(page()->GetViewPopup(), StatisticsForm::VIEW_X, i); }
    void Go(int32_t i) { Choose(page()->GetGoPopup(), 11, i); }
    ScreenDump Dump() const
    {
        ScreenDump dump;
        nav()->GetScreen()->Describe(dump);
        return dump;
    }
    // The texts drawn on the page, each with its left edge.
    std::map<std::string, int32_t> Texts() const
    {
        std::map<std::string, int32_t> texts;
        for (const ScreenDump::Text& t : Dump().texts)
        {
            // The game fonts, not the top bar's digits.
            if (t.font.rfind("font", 0) == 0)
                texts[t.text] = t.x;
        }
        return texts;
    }
};

TEST(NiceScale, RoundsUpToTwoFiveOrTenAndLabelsByThousands)
{
    const struct
    {
        int64_t v;
        int64_t scale;
    } scales[] = {
        {37, 50},
        {10, 10},
        {100, 100},
        {0, 2},
        {1, 2},
        {120000, 200000},
        {-400, 2},
        {999, 1000},
        {11, 20},
        {49, 50},
        {50, 100},
        {109, 100},
        {999999, 1000000},
        {1000000000000, 1000000000000},
    };
    for (const auto& c : scales)
        EXPECT_EQ(c.scale, History::NiceScale(c.v)) << c.v;

    const struct
    {
        int64_t scale;
        const char* label;
    } labels[] = {
        {2, "$ 2"},
        {999, "$ 999"},
        {1000, "$ 1K"},
        {200000, "$ 200K"},
        {999999, "$ 999K"},
        {1000000, "$ 1M"},
        {999999999, "$ 999M"},
        {1000000000, "$ 1G"},
        {999999999999, "$ 999G"},
        {1000000000000, ""},
    };
    for (const auto& c : labels)
        EXPECT_EQ(c.label, History::ScaleLabel(c.scale)) << c.scale;
}

TEST_F(StatisticsTest, PagesSwitchThroughThePopupsAndKeepTheHistory)
{
    StartGame();
    Open(Screens::PLANES);
    Open(Screens::BANK);
    nav()->SetSubState(0);
    Open(Screens::STATISTICS);
    ASSERT_NE(nullptr, page());
    const int32_t history[3] = {nav()->GetHistory(0), nav()->GetHistory(1), nav()->GetHistory(2)};
    EXPECT_EQ(Screens::BANK, history[0]);

    // The View entries from the bottom: Company, Account, Planes, Passenger, Map.
    const int32_t entryPage[] = {0, 2, 3, 4, 5};
    auto expectPage = [&](int32_t n)
    {
        ASSERT_NE(nullptr, page());
        EXPECT_EQ(n, page()->GetPage());
        EXPECT_EQ(n, nav()->SubState());
        EXPECT_EQ(Screens::STATISTICS, nav()->GetCurrentNumber());
        for (int32_t d = 0; d < 3; ++d)
            EXPECT_EQ(history[d], nav()->GetHistory(d)) << "depth " << d;
        EXPECT_TRUE(page()->GetGoPopup()->GetItem(1)->IsDisabled()) << "Statistics in the Go pop-up";
        for (int32_t i = 0; i < 5; ++i)
            EXPECT_EQ(entryPage[i] == n, page()->GetViewPopup()->GetItem(i)->IsDisabled()) << "entry " << i;
    };
    for (const int32_t from : entryPage)
    {
        for (int32_t entry = 0; entry < 5; ++entry)
        {
            if (entryPage[entry] == from)
                continue;
            SCOPED_TRACE(std::to_string(from) + " -> " + std::to_string(entryPage[entry]));
            OpenPage(from);
            View(entry);
            expectPage(entryPage[entry]);
        }
    }
    // History and back by the page's own buttons.
    OpenPage(0);
    Tap(158 + 36, 204 + 12);
    expectPage(StatisticsForm::PAGE_HISTORY);
    Tap(158 + 36, 238 + 12);
    expectPage(StatisticsForm::PAGE_WORTH);
    // Leaving by the Go pop-up is an ordinary change of screen.
    Go(4);
    EXPECT_EQ(Screens::PLANES, nav()->GetCurrentNumber());
    EXPECT_EQ(Screens::STATISTICS, nav()->PreviousForm());
}

// What the walk test checks of screen 7's first page, for every page: it
// fits the screen, its buttons do not overlap, and it leaves nothing behind.
TEST_F(StatisticsTest, EveryPageFitsAndLeavesNothingBehind)
{
    StartGame();
    for (int32_t n = 0; n < StatisticsForm::PAGE_COUNT; ++n)
    {
        SCOPED_TRACE("page " + std::to_string(n));
        size_t blocksBefore = 0;
        for (int pass = 0; pass < 2; ++pass)
        {
            // The second pass finds every shared image loaded by the first.
            if (pass == 1)
                blocksBefore = CrtDbg::Global().GetBlockCount();
            nav()->ResetState();
            OpenPage(n);
            ASSERT_NE(nullptr, page());
            EXPECT_EQ(n, page()->GetPage());
            const ScreenDump dump = Dump();
            EXPECT_EQ(Screens::STATISTICS, dump.screen);
            std::vector<ScreenDump::Button> seen;
            for (const ScreenDump::Button& b : dump.buttons)
            {
                EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.width <= SRForm::WIDTH &&
                            b.y + b.height <= SRForm::HEIGHT)
                    << b.bitmap;
                for (const ScreenDump::Button& o : seen)
                {
                    const bool apart = b.x + b.width <= o.x || o.x + o.width <= b.x ||
                                       b.y + b.height <= o.y || o.y + o.height <= b.y;
                    EXPECT_TRUE(apart) << b.bitmap << " overlaps " << o.bitmap;
                }
                seen.push_back(b);
            }
            nav()->ResetState();
        }
        EXPECT_EQ(blocksBefore, CrtDbg::Global().GetBlockCount()) << "the page leaks";
        nav()->Hide();
        Run("wait 50\n");
    }
}

TEST_F(StatisticsTest, WorthAndAccountShowTheCompanysFigures)
{
    StartGame();
    Company* company = Enviroment::GetCompany();
    const Time now = TimeSimulation::GetCurrGameTime();
    ASSERT_NE(nullptr, company->BuyPlane(Enviroment::CheapestModelFor(0), "One", now));
    company->ObtainCredit(100000);
    const int64_t parts = company->GetCash() - company->GetRemainingCredit() + company->PlanesValue(now) +
                          company->RealEstateValue();
    EXPECT_EQ(company->Worth(now), parts) << "the breakdown adds up to the worth";
    EXPECT_GT(company->RealEstateValue(), 0) << "the home office";

    // Each figure ends at x 204 on its label's row.
    OpenPage(StatisticsForm::PAGE_WORTH);
    Font* font = GfxResources::GetFont(GfxResources::FONT_TEXT);
    std::map<std::string, int32_t> texts = Texts();
    for (const int64_t figure : {company->GetCash(), company->GetRemainingCredit(), company->PlanesValue(now),
                                 company->RealEstateValue(), company->Worth(now)})
    {
        const std::string text = std::to_string(figure);
        ASSERT_EQ(1u, texts.count(text)) << text;
        EXPECT_EQ(204, texts[text] + font->TextWidth(text.c_str())) << text;
    }

    Statistics* statistics = Enviroment::GetStatistics();
    statistics->AddIncome(7000);
    statistics->AddCost(9500);
    OpenPage(StatisticsForm::PAGE_ACCOUNT);
    auto* account = dynamic_cast<ProfitLossForm*>(page());
    ASSERT_NE(nullptr, account);
    account->GetTabs()->Choose(Statistics::PERIOD_CURRENT_MONTH);
    EXPECT_EQ(Statistics::PERIOD_CURRENT_MONTH, account->GetPeriod());
    // Each period shows its own income, expenses and their difference, before
    // and after the month's roll moves the month in progress to the last.
    auto expectPeriod = [&](int32_t period)
    {
        SCOPED_TRACE("period " + std::to_string(period));
        account->GetTabs()->Choose(period);
        Run("wait 75\n");
        const int64_t income = statistics->GetIncomes(period);
        const int64_t costs = statistics->GetCosts(period);
        const std::map<std::string, int32_t> shown = Texts();
        for (const int64_t amount : {income, costs, income - costs})
            EXPECT_EQ(1u, shown.count("$ " + std::to_string(amount))) << amount;
    };
    expectPeriod(Statistics::PERIOD_CURRENT_MONTH);
    EXPECT_EQ(7000, statistics->GetIncomes(Statistics::PERIOD_CURRENT_MONTH));
    statistics->MonthlyUpdate(1, company->Worth(now));
    EXPECT_EQ(7000, statistics->GetIncomes(Statistics::PERIOD_LAST_MONTH));
    // The page follows the record by itself while time runs.
    Run("wait 600\n");
    for (const int32_t period : {Statistics::PERIOD_CURRENT_MONTH, Statistics::PERIOD_LAST_MONTH,
                                 Statistics::PERIOD_TOTAL, Statistics::PERIOD_LAST_YEAR})
        expectPeriod(period);
    account->GetTabs()->Choose(Statistics::PERIOD_CURRENT_MONTH);
    // The choice survives a change of page.
    OpenPage(StatisticsForm::PAGE_ACCOUNT);
    account = dynamic_cast<ProfitLossForm*>(page());
    ASSERT_NE(nullptr, account);
    EXPECT_EQ(Statistics::PERIOD_CURRENT_MONTH, account->GetPeriod());
    // A tap on a label chooses its tab.
    Tap(20 + ChoiceTabs::LABEL_OFFSET + 5, 36 + 6);
    EXPECT_EQ(Statistics::PERIOD_TOTAL, account->GetPeriod());
}

TEST_F(StatisticsTest, PlanesSortByEachKeyOnItsOwnTypeWithStableTies)
{
    StartGame();
    Company* company = Enviroment::GetCompany();
    company->Earn(100000000, false);
    const Time start = TimeSimulation::GetCurrGameTime();
    // Old, fast, long-range, losing and unlucky in turn.
    const int32_t cheap = Enviroment::CheapestModelFor(0);
    int32_t fast = cheap;
    for (int32_t m = 0; m < Enviroment::GetModelCount(); ++m)
    {
        if (Enviroment::GetPlaneModel(m)._speed > Enviroment::GetPlaneModel(fast)._speed)
            fast = m;
    }
    Plane* a = company->BuyPlane(cheap, "A", Time(1959, 0, 1));
    Plane* b = company->BuyPlane(fast, "B", Time(1959, 0, 1));
    Plane* c = company->BuyPlane(cheap, "C", Time(1957, 0, 1));
    Plane* d = company->BuyPlane(cheap, "D", Time(1959, 0, 1));
    ASSERT_TRUE(a && b && c && d);
    a->_profit = 700;
    b->_profit = -500;
    c->_profit = 0;
    d->_profit = -20000000000LL;
    a->_damages = 3;
    b->_damages = 0;
    c->_damages = 3;
    d->_damages = 1;
    a->_pass_carried = 10;
    b->_pass_carried = 5000;
    c->_pass_carried = 9;
    d->_pass_carried = 0;
    const Time now(1961, 6, 1);

    const struct
    {
        int32_t key;
        const char* order;
    } cases[] = {
        {PlanesStatisticsForm::SORT_AGE, "ABDC"},
        {PlanesStatisticsForm::SORT_PROFIT, "DBCA"},
        {PlanesStatisticsForm::SORT_DAMAGES, "BDAC"},
        {PlanesStatisticsForm::SORT_PASSENGERS, "DCAB"},
        {PlanesStatisticsForm::SORT_SPEED, fast == cheap ? "ABCD" : "ACDB"},
    };
    for (const auto& c : cases)
    {
        std::string order;
        for (const Plane* p : PlanesStatisticsForm::Sorted(*company, c.key, now))
            order += p->_name;
        EXPECT_EQ(c.order, order) << "key " << c.key;
    }

    GameOptions::SetKilometres(true);
    const int32_t speed = b->Speed();
    const uint32_t range = b->Range();
    EXPECT_EQ("[  B  ] - " + std::to_string(speed) + " km/h",
              PlanesStatisticsForm::Line(*b, PlanesStatisticsForm::SORT_SPEED, now));
    EXPECT_EQ("[  B  ] - " + std::to_string(range) + " km",
              PlanesStatisticsForm::Line(*b, PlanesStatisticsForm::SORT_RANGE, now));
    EXPECT_EQ("[  D  ] - $-20000000000",
              PlanesStatisticsForm::Line(*d, PlanesStatisticsForm::SORT_PROFIT, now));
    // The widest name with the widest profit: the name gives way, the figure stays whole.
    d->_name = "WWWWWWWWWWWW";
    const std::string wide = PlanesStatisticsForm::Line(*d, PlanesStatisticsForm::SORT_PROFIT, now);
    EXPECT_EQ("[  WWWWWWWWWWW  ] - $-20000000000", wide);
    EXPECT_LT(GfxResources::GetFont(GfxResources::FONT_TEXT)->TextWidth(wide.c_str()), ItemString::MAX_WIDTH);
    d->_name = "D";
    EXPECT_EQ("[  C  ] - 4", PlanesStatisticsForm::Line(*c, PlanesStatisticsForm::SORT_AGE, now));
    EXPECT_EQ("[  A  ] - 3", PlanesStatisticsForm::Line(*a, PlanesStatisticsForm::SORT_DAMAGES, now));
    EXPECT_EQ("[  B  ] - 5000", PlanesStatisticsForm::Line(*b, PlanesStatisticsForm::SORT_PASSENGERS, now));
    GameOptions::SetKilometres(false);
    EXPECT_EQ("[  B  ] - " + std::to_string(static_cast<int>(speed / 1.609)) + " mph",
              PlanesStatisticsForm::Line(*b, PlanesStatisticsForm::SORT_SPEED, now));
    EXPECT_EQ("[  B  ] - " + std::to_string(static_cast<int>(range / 1.609)) + " mls",
              PlanesStatisticsForm::Line(*b, PlanesStatisticsForm::SORT_RANGE, now));

    // The page lists the rows in the chosen order; the Sort by pop-up re-sorts.
    TimeSimulation::SetCurrGameTime(start);
    OpenPage(StatisticsForm::PAGE_PLANES);
    auto* planes = dynamic_cast<PlanesStatisticsForm*>(page());
    ASSERT_NE(nullptr, planes);
    Choose(planes->GetSortPopup(), 149, PlanesStatisticsForm::SORT_PROFIT);
    EXPECT_EQ(PlanesStatisticsForm::SORT_PROFIT, planes->GetSortKey());
    ASSERT_EQ(4, planes->GetList()->GetCount());
    EXPECT_EQ("[  D  ] - $-20000000000", static_cast<ItemString*>(planes->GetList()->GetItem(0))->GetText());
    EXPECT_EQ("[  A  ] - $700", static_cast<ItemString*>(planes->GetList()->GetItem(3))->GetText());
}

TEST_F(StatisticsTest, HistoryOfTheFirstYearDrawsNoYearlySegment)
{
    StartGame();
    Statistics statistics;
    const History::Plot first = History::Compute(statistics, History::PERIOD_TOTAL, Time(1959, 5, 10));
    EXPECT_TRUE(first.segments.empty());
    EXPECT_TRUE(first.exits.empty());
    EXPECT_EQ(1000000, first.scale) << "the starting worth of 500000";
    EXPECT_EQ("$ 1M", first.label);
    EXPECT_EQ(42u, first.ticks.size());
    EXPECT_EQ(History::FIRST_POINT_X + 4 * 41, first.ticks.back());

    statistics.YearlyUpdate(1960, 800000);
    statistics.YearlyUpdate(1961, 1200000);
    const History::Plot third = History::Compute(statistics, History::PERIOD_TOTAL, Time(1961, 0, 5));
    ASSERT_EQ(2u, third.segments.size());
    EXPECT_EQ(2000000, third.scale);
    const int32_t base = History::Baseline();
    EXPECT_EQ(208, base);
    EXPECT_EQ((History::Segment{37, base - 27, 41, base - 44}), third.segments[0]);
    EXPECT_EQ((History::Segment{41, base - 44, 45, base - 66}), third.segments[1]);

    // This year: a point per month up to the current one; this month: per day.
    statistics.MonthlyUpdate(1, 600000);
    statistics.MonthlyUpdate(2, 650000);
    EXPECT_EQ(2u, History::Compute(statistics, History::PERIOD_THIS_YEAR, Time(1961, 2, 5)).segments.size());
    EXPECT_EQ(12u, History::Compute(statistics, History::PERIOD_THIS_YEAR, Time(1961, 2, 5)).ticks.size());
    EXPECT_EQ(4u, History::Compute(statistics, History::PERIOD_THIS_MONTH, Time(1961, 2, 5)).segments.size());
    EXPECT_EQ(31u, History::Compute(statistics, History::PERIOD_THIS_MONTH, Time(1961, 2, 5)).ticks.size());
}

TEST_F(StatisticsTest, NegativeWorthIsClippedToTheGraphAndMarkedWhereItLeaves)
{
    StartGame();
    Statistics* statistics = Enviroment::GetStatistics();
    statistics->DailyUpdate(1, 500000);
    statistics->DailyUpdate(2, -300000);
    statistics->DailyUpdate(3, -900000000000LL);
    statistics->DailyUpdate(4, 200000);
    const Time now(1959, 0, 4);
    const History::Plot plot = History::Compute(*statistics, History::PERIOD_THIS_MONTH, now);
    const int32_t base = History::Baseline();
    ASSERT_EQ(2u, plot.segments.size()) << "the segment wholly below the graph is not drawn";
    for (const History::Segment& s : plot.segments)
    {
        for (const int32_t y : {s.y0, s.y1})
        {
            EXPECT_GE(y, History::AXIS_TOP);
            EXPECT_LE(y, base);
        }
    }
    EXPECT_EQ(base, plot.segments[0].y1) << "cut where it crosses the axis";
    EXPECT_EQ(base, plot.segments[1].y0);
    ASSERT_EQ(1u, plot.exits.size());
    EXPECT_TRUE(plot.exits[0].below);
    EXPECT_EQ(plot.segments[0].x1, plot.exits[0].x);

    // A company that starts its month in debt: the first point is marked.
    Statistics debt;
    debt.DailyUpdate(1, -5);
    EXPECT_EQ(1u, History::Compute(debt, History::PERIOD_THIS_MONTH, Time(1959, 0, 1)).exits.size());

    // Drawn by the page: red stays inside the graph's columns and rows.
    TimeSimulation::SetCurrGameTime(now);
    OpenPage(StatisticsForm::PAGE_HISTORY);
    auto* graph = dynamic_cast<History*>(page());
    ASSERT_NE(nullptr, graph);
    graph->GetTabs()->Choose(History::PERIOD_THIS_MONTH);
    Run("wait 75\n");
    const Surface* pixels = graph->GetDC();
    int32_t inside = 0;
    for (int32_t y = 0; y < SRForm::HEIGHT; ++y)
    {
        for (int32_t x = 0; x < SRForm::WIDTH; ++x)
        {
            if (pixels->GetPixel(x, y) != RGB(255, 0, 0))
                continue;
            const bool inGraph =
                x >= History::FIRST_POINT_X && x <= 210 && y >= History::AXIS_TOP && y <= base;
            EXPECT_TRUE(inGraph) << "red at (" << x << ", " << y << ")";
            inside += inGraph ? 1 : 0;
        }
    }
    EXPECT_GT(inside, 20) << "the line and its arrow are drawn";
}

TEST_F(StatisticsTest, MarkersReadFromTheDataFileAndRefuseDamage)
{
    StartGame();
    const std::vector<AirportMarkers::Marker> markers = AirportMarkers::Load();
    ASSERT_EQ(AirportMarkers::RECORD_COUNT, markers.size());
    std::map<int32_t, int32_t> perAirport;
    for (const AirportMarkers::Marker& m : markers)
        ++perAirport[m.airport];
    EXPECT_EQ(Enviroment::AIRPORT_COUNT, static_cast<int32_t>(perAirport.size()))
        << "every airport has a marker";

    // The record of the first marker, written back and damaged field by field.
    const AirportMarkers::Marker& m = markers[0];
    auto bytes = [&](auto damage)
    {
        std::vector<uint8_t> b(AirportMarkers::RECORD_COUNT * AirportMarkers::RECORD_SIZE);
        for (size_t i = 0; i < AirportMarkers::RECORD_COUNT; ++i)
        {
            uint8_t* r = &b[i * AirportMarkers::RECORD_SIZE];
            r[0] = static_cast<uint8_t>(m.x);
            r[2] = static_cast<uint8_t>(m.y);
            r[4] = static_cast<uint8_t>(m.width);
            r[5] = static_cast<uint8_t>(m.height);
            for (int32_t row = 0; row < AirportMarkers::ROWS; ++row)
            {
                r[6 + 2 * row] = static_cast<uint8_t>(m.rows[row]);
                r[7 + 2 * row] = static_cast<uint8_t>(m.rows[row] >> 8);
            }
            r[34] = static_cast<uint8_t>(m.airport);
            r[36] = static_cast<uint8_t>(m.continent);
        }
        damage(&b[5 * AirportMarkers::RECORD_SIZE]);
        return b;
    };
    std::vector<AirportMarkers::Marker> parsed;
    std::string error;
    const auto sound = bytes([](uint8_t*) {});
    EXPECT_TRUE(AirportMarkers::Parse(sound.data(), sound.size(), &parsed, &error)) << error;
    const struct
    {
        const char* what;
        void (*damage)(uint8_t*);
        const char* reason;
    } cases[] = {
        {"airport", [](uint8_t* r) { r[34] = 200; }, "record 5 names airport 200"},
        {"continent", [](uint8_t* r) { r[36] = 6; }, "record 5 names continent 6"},
        {"width", [](uint8_t* r) { r[4] = 17; }, "record 5 has a marker of 17"},
        {"place", [](uint8_t* r) { r[0] = 220; }, "record 5 lies outside its map"},
        {"shape", [](uint8_t* r) { r[6 + 2 * 13] = 1; }, "record 5 has shape bits outside"},
    };
    for (const auto& c : cases)
    {
        const auto damaged = bytes(c.damage);
        EXPECT_FALSE(AirportMarkers::Parse(damaged.data(), damaged.size(), &parsed, &error)) << c.what;
        EXPECT_NE(std::string::npos, error.find(c.reason)) << error;
        EXPECT_NE(std::string::npos, error.find("amasks_rsc")) << error;
    }
    EXPECT_FALSE(AirportMarkers::Parse(sound.data(), sound.size() - 1, &parsed, &error));
    EXPECT_NE(std::string::npos, error.find("5319 bytes instead of 5320")) << error;
}

TEST_F(StatisticsTest, MapShadesTheCompanysAirportsByTheChosenValue)
{
    StartGame();
    Company* company = Enviroment::GetCompany();
    const std::vector<AirportMarkers::Marker> markers = AirportMarkers::Load();
    constexpr int32_t EUROPE = 3;
    std::vector<int32_t> european;
    for (const AirportMarkers::Marker& m : markers)
    {
        if (m.continent == EUROPE && !company->FindDetails(m.airport))
            european.push_back(m.airport);
    }
    ASSERT_GE(european.size(), 4u);
    // Routes 0, 2, 5, 10 (step 2) and results -100, 0, 400, 1000 (step 200).
    const struct
    {
        int32_t routes;
        int64_t result;
        int32_t routeShade;
        int32_t profitShade;
    } airports[] = {{0, -100, 0, 0}, {2, 0, 1, 0}, {5, 400, 2, 2}, {10, 1000, 4, 4}};
    std::map<std::string, std::pair<int32_t, int32_t>> expected;
    for (size_t i = 0; i < std::size(airports); ++i)
    {
        AirportDetails* details = company->Research(european[i], false, TimeSimulation::GetCurrGameTime());
        ASSERT_NE(nullptr, details);
        for (int32_t r = 0; r < airports[i].routes; ++r)
            details->RouteInOpened();
        details->_result_last = airports[i].result;
        expected[Enviroment::GetAirport(european[i])._short_name] = {airports[i].routeShade,
                                                                     airports[i].profitShade};
    }
    // The home airport has no routes and no result: the palest shade.
    const int32_t home = company->GetHomeAirport();

    OpenPage(StatisticsForm::PAGE_MAP);
    auto* map = dynamic_cast<MapStatisticsForm*>(page());
    ASSERT_NE(nullptr, map);
    for (const int32_t value : {MapStatisticsForm::VALUE_ROUTES, MapStatisticsForm::VALUE_PROFIT})
    {
        SCOPED_TRACE(value);
        map->GetValueTabs()->Choose(value);
        map->GetContinentBox()->GetList()->SetSelected(EUROPE);
        std::map<std::string, std::string> shades;
        for (const ScreenDump::Text& t : Dump().texts)
        {
            if (t.font.rfind("shade ", 0) == 0)
                shades[t.text] = t.font;
        }
        for (const auto& [name, shade] : expected)
        {
            const int32_t want = value == MapStatisticsForm::VALUE_ROUTES ? shade.first : shade.second;
            EXPECT_EQ("shade " + std::to_string(want), shades[name]) << name;
        }
        const bool homeInEurope =
            markers.end() != std::find_if(markers.begin(), markers.end(),
                                          [&](const AirportMarkers::Marker& m)
                                          { return m.airport == home && m.continent == EUROPE; });
        EXPECT_EQ(expected.size() + (homeInEurope ? 1 : 0), shades.size()) << "only the company's airports";
    }
    // Another continent shows none of them.
    map->GetContinentBox()->GetList()->SetSelected(0);
    for (const ScreenDump::Text& t : Dump().texts)
        EXPECT_EQ(0u, expected.count(t.text)) << t.text;
}

// Ignores the notices of a game played without screens, remembering only
// whether it ended.
class SilentPlayer : public NoticeSink
{
public:
    void ShowNotice(int32_t) override {}
    void GameOver(int32_t reason) override { over = reason; }
    int32_t over = 0;
};

// A game four years in: two planes flying from the home airport since 1959.
// Every page shows the years behind it; the screenshots land in
// build/shots/StatisticsYearsIn for a look.
TEST_F(StatisticsTest, AGameFourYearsInShowsOnEveryPage)
{
    StartGame();
    Company* company = Enviroment::GetCompany();
    company->Earn(30000000, false);
    const Time start = TimeSimulation::GetCurrGameTime();
    const int32_t home = company->GetHomeAirport();
    for (int32_t i = 0; i < 2; ++i)
    {
        const int32_t to = Enviroment::GetNeighbour(home, i);
        Plane* plane =
            company->BuyPlane(Enviroment::CheapestModelFor(Enviroment::GetAirport(home)._distances[i]),
                              "Liner " + std::to_string(i), start);
        ASSERT_NE(nullptr, plane);
        company->OpenRoute(plane, home, to, 1, 1, start);
    }
    SilentPlayer player;
    NoticeSink* screens = SetNoticeSink(&player);
    GameState::RunUntil(Time(1963, 4, 12), [&] { return player.over == 0; });
    SetNoticeSink(screens);
    ASSERT_EQ(0, player.over);

    const std::string shots = std::string(SKYREACH_BINARY_DIR) + "/shots/StatisticsYearsIn";
    std::filesystem::create_directories(shots);
    const Statistics* statistics = Enviroment::GetStatistics();
    for (int32_t n = 0; n < StatisticsForm::PAGE_COUNT; ++n)
    {
        SCOPED_TRACE("page " + std::to_string(n));
        OpenPage(n);
        ASSERT_NE(nullptr, page());
        Run(("shot " + shots + "/page" + std::to_string(n) + ".png\n").c_str());
        const std::map<std::string, int32_t> texts = Texts();
        switch (n)
        {
        case StatisticsForm::PAGE_WORTH:
            EXPECT_EQ(1u, texts.count(std::to_string(company->Worth(TimeSimulation::GetCurrGameTime()))));
            break;
        case StatisticsForm::PAGE_HISTORY:
        {
            // 1959 to 1963: four yearly segments, each year's worth recorded.
            const History::Plot plot =
                History::Compute(*statistics, History::PERIOD_TOTAL, TimeSimulation::GetCurrGameTime());
            EXPECT_EQ(4u, plot.segments.size() + plot.exits.size());
            EXPECT_EQ(1u, texts.count(plot.label));
            for (int32_t year = 1; year <= 4; ++year)
                EXPECT_NE(statistics->GetHistoryTotal(static_cast<uint32_t>(year)), 0) << year;
            break;
        }
        case StatisticsForm::PAGE_ACCOUNT:
            EXPECT_GT(statistics->GetIncomes(Statistics::PERIOD_TOTAL), 0);
            break;
        case StatisticsForm::PAGE_PLANES:
            EXPECT_EQ(2, dynamic_cast<PlanesStatisticsForm*>(page())->GetList()->GetCount());
            break;
        case StatisticsForm::PAGE_PASSENGERS:
            EXPECT_GT(statistics->GetPassengersEver(), 0);
            EXPECT_EQ(1u, texts.count(std::to_string(statistics->GetPassengersEver())));
            break;
        default:
            break;
        }
    }
    // The map of the home airport's continent carries the home airport.
    auto* map = dynamic_cast<MapStatisticsForm*>(page());
    ASSERT_NE(nullptr, map);
    for (const AirportMarkers::Marker& m : AirportMarkers::Load())
    {
        if (m.airport == home)
            map->GetContinentBox()->GetList()->SetSelected(m.continent);
    }
    map->GetValueTabs()->Choose(MapStatisticsForm::VALUE_PROFIT);
    Run(("wait 75\nshot " + shots + "/page5-profit.png\n").c_str());
    std::map<std::string, std::string> shades;
    for (const ScreenDump::Text& t : Dump().texts)
        shades[t.text] = t.font;
    EXPECT_EQ(0u, shades[Enviroment::GetAirport(home)._short_name].rfind("shade ", 0));
}
} // namespace
