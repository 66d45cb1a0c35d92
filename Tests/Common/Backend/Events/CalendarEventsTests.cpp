// The calendar and bookkeeping events: the start of a game, the credit
// installment, the economy swings, the model market and the registry.
#include "../WorldFixtures.h"

#include "Common/Backend/BankActions.h"
#include "Common/Backend/EventFactory.h"
#include "Common/Backend/Events/CreditInstallmentEvent.h"
#include "Common/Backend/Events/DailyEvent.h"
#include "Common/Backend/Events/EconomyFallsEvent.h"
#include "Common/Backend/Events/EconomyGrowsEvent.h"
#include "Common/Backend/Events/EconomyLevelsEvent.h"
#include "Common/Backend/Events/ModelRetirementEvent.h"
#include "Common/Backend/Events/ModelWithdrawalEvent.h"
#include "Common/Backend/Events/MonthlyEvent.h"
#include "Common/Backend/Events/NewModelEvent.h"
#include "Common/Backend/Events/OfficeRentEvent.h"
#include "Common/Backend/Events/YearlyEvent.h"
#include "Common/Backend/Notices.h"

#include <algorithm>
#include <set>

using namespace events_test;

TEST_F(EventsTest, EveryCatalogueCodeCreatesItsOwnClassOfTheRightKind)
{
    std::set<int32_t> codes;
    for (int32_t i = 0; i < EventRegistry::CLASS_COUNT; ++i)
    {
        const int32_t type = EventRegistry::Types()[i];
        codes.insert(type);
        ScheduledEvent* event = EventFactory::Create(type);
        ASSERT_NE(nullptr, event) << type;
        EXPECT_EQ(type, event->GetType());
        EXPECT_EQ(type < 100, event->IsPlaneEvent()) << type;
        EXPECT_EQ(type >= 100 && type < 200, event->IsAirportEvent()) << type;
        EXPECT_EQ(type >= 200, event->IsGlobalEvent()) << type;
        EXPECT_EQ(nullptr, event->_plane);
        EXPECT_EQ(nullptr, event->_airport);
        delete event;
    }
    EXPECT_EQ(42u, codes.size());
    for (int32_t unused : {5, 9, 10, 103, 105, 108, 110, 112})
        EXPECT_EQ(nullptr, EventFactory::Create(unused)) << unused;
    EXPECT_STREQ("VipOfferExpiryEvent", EventRegistry::ClassName(115));
}

TEST_F(EventsTest, ANewGameHasTheFiveCalendarEventsAndTheHomeOfficeRent)
{
    TimeSimulation::Reset();
    TimeSimulation::ScheduleInitialEvents();
    ASSERT_EQ(5, TimeSimulation::GetEventCount());
    const struct
    {
        int32_t type;
        Time at;
    } expected[] = {{200, Time(1959, 3, 1)},
                    {206, Time(1959, 0, 2)},
                    {205, Time(1959, 0, 8)},
                    {203, Time(1959, 1, 1)},
                    {204, Time(1960, 0, 1)}};
    for (const auto& e : expected)
    {
        ASSERT_EQ(1, Pending(e.type)) << e.type;
        EXPECT_TRUE(FindPending(e.type)->_time.Equals(e.at)) << e.type;
    }

    ASSERT_TRUE(GameState::NewGame("Blue Sky", 12));
    EXPECT_EQ(6, TimeSimulation::GetEventCount());
    ScheduledEvent* rent = FindPending(OfficeRentEvent::TYPE);
    ASSERT_NE(nullptr, rent);
    EXPECT_EQ(12, rent->_airport->_airport);
    EXPECT_TRUE(rent->_time.Equals(Time(1959, 1, 1)));
    EXPECT_EQ("Blue Sky", company().GetName());
    EXPECT_FALSE(GameState::NewGame("Nowhere", 138));
}

TEST_F(EventsTest, CalendarEventsRecurFromTheirOwnFireTime)
{
    TimeSimulation::Reset();
    TimeSimulation::ScheduleInitialEvents();
    // Late in the day: the next one still follows the fire time, not the clock.
    TimeSimulation::SetCurrGameTime(Time(1959, 0, 2, 17, 30, 0));
    DailyEvent daily;
    daily._time = Time(1959, 0, 2);
    EXPECT_EQ(0, daily.Execute());
    ASSERT_EQ(2, Pending(DailyEvent::TYPE));
    int32_t fresh = 0;
    for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
    {
        const ScheduledEvent* e = TimeSimulation::GetEvent(slot);
        fresh += e->GetType() == DailyEvent::TYPE && e->_time.Equals(Time(1959, 0, 3));
    }
    EXPECT_EQ(1, fresh);
    EXPECT_TRUE(log.gameOvers.empty());
}

TEST_F(EventsTest, DailyCheckEndsABankruptGameButStillRecordsTheDay)
{
    company().Spend(company().GetCash() + 100000, false);
    DailyEvent daily;
    EXPECT_EQ(0, Run(daily, Time(1959, 4, 9)));
    EXPECT_EQ(std::vector<int32_t>{Notices::GAME_OVER_BANKRUPTCY}, log.gameOvers);
    EXPECT_EQ(company().Worth(Time(1959, 4, 9)), Enviroment::GetStatistics()->GetHistoryMonth(8));
    EXPECT_EQ(1, Pending(DailyEvent::TYPE));
}

TEST_F(EventsTest, TheYearlyEventEndsTheGameIn2003)
{
    YearlyEvent yearly;
    EXPECT_EQ(1, Run(yearly, Time(2003, 0, 1)));
    EXPECT_EQ(std::vector<int32_t>{Notices::GAME_OVER_FINAL_YEAR}, log.gameOvers);
    EXPECT_EQ(0, TimeSimulation::GetEventCount()) << "the chain ends";

    EXPECT_EQ(0, Run(yearly, Time(2002, 0, 1)));
    EXPECT_EQ(1, Pending(YearlyEvent::TYPE));
}

// ------------------------------------------------------------------ credit

class CreditTest : public EventsTest
{
protected:
    // A credit of 1 000 000 at 10 % a month: installments of 100 000.
    void SetUp() override
    {
        EventsTest::SetUp();
        company().ObtainCredit(1000000);
        company().SetMIR(10);
    }
    void SetCash(int64_t cash) { company().Spend(company().GetCash() - cash, false); }
};

TEST_F(CreditTest, AnInstallmentIsPaidOnlyWhenCashStrictlyExceedsIt)
{
    SetCash(100001);
    CreditInstallmentEvent installment;
    EXPECT_EQ(0, Run(installment, Time(1959, 1, 1)));
    EXPECT_EQ(1, company().GetCash());
    EXPECT_EQ(1, Pending(CreditInstallmentEvent::TYPE));
    EXPECT_TRUE(log.notices.empty());

    // Exactly the installment is not enough; 1 % is: the bank asks for a new rate.
    TimeSimulation::Clear();
    SetCash(100000);
    const int64_t remaining = company().GetRemainingCredit();
    EXPECT_EQ(1, Run(installment, Time(1959, 2, 1)));
    EXPECT_EQ(100000, company().GetCash());
    EXPECT_EQ(std::vector<int32_t>{Notices::CHANGE_RATE}, log.notices);
    EXPECT_TRUE(company().GetMIRPrompt());
    EXPECT_EQ(1, Pending(CreditInstallmentEvent::TYPE));
    EXPECT_EQ(remaining + remaining * 8 / 1000, company().GetRemainingCredit()) << "only the interest";
    EXPECT_FALSE(BankActions::SetRate(11, Time(1959, 2, 1))) << "the cash pays 10 % at most";
    EXPECT_TRUE(company().GetMIRPrompt());
    EXPECT_TRUE(BankActions::SetRate(3, Time(1959, 2, 1)));
    EXPECT_FALSE(company().GetMIRPrompt());
    EXPECT_EQ(3, company().GetMIR());
    EXPECT_EQ(1, Pending(CreditInstallmentEvent::TYPE)) << "the waiting installment moves, none is added";
    EXPECT_FALSE(BankActions::SetRate(0, Time(1959, 2, 1)));
}

TEST_F(CreditTest, BelowOnePercentTheCompanyIsFinedFourPercent)
{
    SetCash(9999);
    const int64_t remaining = company().GetRemainingCredit();
    CreditInstallmentEvent installment;
    EXPECT_EQ(1, Run(installment, Time(1959, 1, 1)));
    EXPECT_EQ(std::vector<int32_t>{Notices::CREDIT_FINE}, log.notices);
    EXPECT_EQ(remaining + remaining * 8 / 1000 + 40000, company().GetRemainingCredit());
    EXPECT_EQ(9999, company().GetCash());
    EXPECT_EQ(1, Pending(CreditInstallmentEvent::TYPE));
}

TEST_F(CreditTest, TheLastInstallmentEndsTheChain)
{
    company().RepayCredit(950000);
    CreditInstallmentEvent installment;
    EXPECT_EQ(0, Run(installment, Time(1959, 1, 1)));
    EXPECT_EQ(0, company().GetRemainingCredit());
    EXPECT_EQ(0, Pending(CreditInstallmentEvent::TYPE));
}

// ------------------------------------------------------------------ economy

TEST_F(EventsTest, EconomySwingsSetASurchargeOnlyWhenNoneIsRunning)
{
    const int32_t index = Enviroment::GetCostIndex();
    EconomyGrowsEvent grows;
    EXPECT_EQ(1, Run(grows, Time(1960, 4, 3)));
    EXPECT_EQ(index / 2, Enviroment::GetSurcharge());
    EXPECT_EQ(std::vector<int32_t>{Notices::ECONOMY_GROWS}, log.notices);
    ScheduledEvent* levels = FindPending(EconomyLevelsEvent::TYPE);
    ASSERT_NE(nullptr, levels);
    EXPECT_TRUE(levels->_time.IsAfter(Time(1960, 6, 2, 23, 59, 59)) &&
                Time(1960, 9, 4).IsAfter(levels->_time))
        << "two to five months later";

    // Already set: a further swing changes nothing and says nothing.
    EconomyFallsEvent falls;
    EXPECT_EQ(0, Run(falls, Time(1960, 5, 3)));
    EXPECT_EQ(0, Run(grows, Time(1960, 5, 4)));
    EXPECT_EQ(index / 2, Enviroment::GetSurcharge());
    EXPECT_EQ(1u, log.notices.size());
    EXPECT_EQ(1, TimeSimulation::GetEventCount());

    EconomyLevelsEvent level;
    EXPECT_EQ(1, Run(level, Time(1960, 8, 1)));
    EXPECT_EQ(0, Enviroment::GetSurcharge());
    EXPECT_EQ(Notices::ECONOMY_LEVELS, log.notices.back());
    EXPECT_EQ(1, Run(falls, Time(1960, 9, 1)));
    EXPECT_EQ(-(index / 2), Enviroment::GetSurcharge());
}

// ------------------------------------------------------------------ model market

class MarketTest : public EventsTest
{
protected:
    void ShapeTables(TestTables& tables) override
    {
        for (TestModel& model : tables.models)
        {
            model.intro = 1950;
            model.withdrawal = 1999;
        }
        tables.models[3].intro = 1962;
        tables.models[3].withdrawal = 1970;
        tables.models[3].runout = 30;
    }
};

TEST_F(MarketTest, AModelOfYear1962GetsItsNoticeOnARandomDateIn1962)
{
    EXPECT_EQ(Enviroment::MODEL_UNSERVICED, Enviroment::GetModelAvailability(3));
    for (int32_t year : {1960, 1961})
    {
        YearlyEvent yearly;
        Run(yearly, Time(year, 0, 1));
        EXPECT_EQ(0, Pending(NewModelEvent::TYPE)) << year;
    }
    TimeSimulation::Clear();
    clock.Set(987654);
    YearlyEvent yearly;
    EXPECT_EQ(0, Run(yearly, Time(1962, 0, 1)));
    TimeSimulation::CancelByType(YearlyEvent::TYPE);
    ASSERT_EQ(1, Pending(NewModelEvent::TYPE));
    NewModelEvent* event = static_cast<NewModelEvent*>(FindPending(NewModelEvent::TYPE));
    EXPECT_EQ(3, event->_model);
    EXPECT_EQ(1962, event->_time._year);

    // Run the year: the model goes on sale with its notice.
    GameState::RunUntil(Time(1962, 11, 31, 23, 0, 0));
    EXPECT_EQ(Enviroment::MODEL_ON_SALE, Enviroment::GetModelAvailability(3));
    EXPECT_EQ(3, Enviroment::GetDialogModel());
    EXPECT_EQ(1, std::count(log.notices.begin(), log.notices.end(), Notices::NEW_MODEL));
}

TEST_F(MarketTest, AWithdrawnModelIsServicedForItsRunOutMonths)
{
    Enviroment::SetModelAvailability(3, Enviroment::MODEL_ON_SALE);
    ModelWithdrawalEvent withdrawal;
    withdrawal._model = 3;
    EXPECT_EQ(1, Run(withdrawal, Time(1970, 9, 12)));
    EXPECT_EQ(Enviroment::MODEL_WITHDRAWN, Enviroment::GetModelAvailability(3));
    EXPECT_EQ(Notices::MODEL_WITHDRAWAL, log.notices.back());
    auto* retirement = static_cast<ModelRetirementEvent*>(FindPending(ModelRetirementEvent::TYPE));
    ASSERT_NE(nullptr, retirement);
    EXPECT_EQ(3, retirement->_model);
    // 30 months: two years and a half, on a real date.
    EXPECT_TRUE(retirement->_time.Equals(Time(1973, 3, 12)));
    EXPECT_EQ(0, Run(*retirement, retirement->_time));
    EXPECT_EQ(Enviroment::MODEL_UNSERVICED, Enviroment::GetModelAvailability(3));
}

// ------------------------------------------------------------------ monthly draw

TEST_F(EventsTest, TheMonthlyOfferDrawUsesOneTickBaseForAllFourOffers)
{
    // Base 700: a window of 299 values above; find a seed whose four draws
    // are known and check exactly those offers are scheduled.
    clock.Set(1700);
    MonthlyEvent monthly;
    int scheduled = 0;
    for (uint32_t seed = 1; seed < 200 && scheduled == 0; ++seed)
    {
        TimeSimulation::Clear();
        // Without airports only the economy draw (r, d, h) comes before the offers.
        SRand(seed);
        for (int i = 0; i < 3; ++i)
            Rand();
        bool expect[4];
        int expected = 0;
        for (bool& e : expect)
        {
            const int32_t r = Rand() % 1000;
            e = r > 700 && r < 1000;
            if (e)
            {
                Rand();
                Rand();
                ++expected;
            }
        }
        SRand(seed);
        Run(monthly, Time(1961, 4, 1));
        const int32_t offers = Pending(213) + Pending(210) + Pending(211) + Pending(212);
        ASSERT_EQ(expected, offers) << seed;
        EXPECT_EQ(expect[0], Pending(213) == 1);
        EXPECT_EQ(expect[3], Pending(212) == 1);
        scheduled = offers;
    }
    EXPECT_GT(scheduled, 0);
    for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
    {
        const ScheduledEvent* e = TimeSimulation::GetEvent(slot);
        if (e->GetType() >= 210 && e->GetType() <= 213)
        {
            EXPECT_TRUE(Time(1961, 4, 29).IsAfter(e->_time) && !Time(1961, 4, 1).IsAfter(e->_time));
        }
    }
}
