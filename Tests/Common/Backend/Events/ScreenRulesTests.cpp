// The rules the airport and bank screens share with the simulation's
// commands: affordability, the research question, the demand screen's
// route marks, the bank's amounts and the credit operations with their
// installment events.
#include "../WorldFixtures.h"

#include "Common/Backend/BankActions.h"
#include "Common/Backend/Events/CreditInstallmentEvent.h"
#include "Common/Backend/Notices.h"

#include <algorithm>
#include <set>

using events_test::EventsTest;

namespace
{
class ScreenRulesTest : public EventsTest
{
protected:
    // The way back: airport 11 has airport 10 as a neighbour too, in its
    // last slot.
    void ShapeTables(TestTables& tables) override { tables.airports[11].neighbours[5] = 10; }
    void SetCash(int64_t cash) { company().Spend(company().GetCash() - cash, false); }
    Time Now() const { return TimeSimulation::GetCurrGameTime(); }
    static bool Same(const Time& a, const Time& b) { return !a.IsAfter(b) && !b.IsAfter(a); }
    // An airport the company knows nothing of.
    static constexpr int32_t UNKNOWN = 3;
};

// Research and offices need the price strictly below the cash.
TEST_F(ScreenRulesTest, ResearchAndOfficesAreUnaffordableAtAPriceEqualToTheCash)
{
    using Choice = Company::ResearchChoice;
    const int64_t research = AirportDetails::ResearchCost(UNKNOWN);
    const int64_t office = AirportDetails::OfficePrice(UNKNOWN);
    const int64_t campaign = AirportDetails::AdvertisingCost(UNKNOWN, 80);
    ASSERT_GT(research, 0);
    const struct
    {
        int64_t cash;
        Choice research;
    } cases[] = {{research - 1, Choice::CANNOT_AFFORD},
                 {research, Choice::CANNOT_AFFORD},
                 {research + 1, Choice::ASK}};
    for (const auto& c : cases)
    {
        SetCash(c.cash);
        EXPECT_EQ(c.research, company().ResearchChoiceFor(UNKNOWN, Now())) << c.cash;
    }
    for (const int64_t delta : {-1, 0, 1})
    {
        SetCash(office + delta);
        EXPECT_EQ(delta > 0, company().CanAffordOffice(UNKNOWN)) << delta;
        SetCash(campaign + delta);
        EXPECT_EQ(delta > 0, company().CanAffordCampaign(UNKNOWN, 80)) << delta;
    }

    // Researched, the information stays fresh for a year; an office keeps
    // it fresh for good.
    SetCash(20000000);
    EXPECT_FALSE(company().MayAdvertise(UNKNOWN)) << "a campaign needs details";
    company().Research(UNKNOWN, false, Now());
    EXPECT_TRUE(company().MayAdvertise(UNKNOWN));
    EXPECT_EQ(Choice::NOT_NEEDED, company().ResearchChoiceFor(UNKNOWN, Now()));
    EXPECT_EQ(Choice::ASK, company().ResearchChoiceFor(UNKNOWN, Now().Add(1, 0, 0, 0, 0, 0)));
    EXPECT_FALSE(company().HasOffice(UNKNOWN));
    company().BuyOffice(UNKNOWN, office, Now());
    EXPECT_TRUE(company().HasOffice(UNKNOWN));
    EXPECT_EQ(Choice::NOT_NEEDED, company().ResearchChoiceFor(UNKNOWN, Now().Add(3, 0, 0, 0, 0, 0)));
    EXPECT_EQ(office / 2, Company::OfficeSaleValue(UNKNOWN));
}

// The demand screen marks the neighbours the company may not open a route
// to: those it already serves, in either direction, and all of them once
// four routes leave the airport.
TEST_F(ScreenRulesTest, NeighboursAreBlockedByARouteEitherWayAndByFourRoutesOut)
{
    const int32_t home = 10;
    // Routes out are counted where the company holds details.
    company().Research(home, false, Now());
    auto blocked = [&](int32_t airport)
    {
        std::set<int32_t> slots;
        for (int32_t slot = 0; slot < AirportDetails::NEIGHBOURS; ++slot)
        {
            if (!company().MayOpenRouteToNeighbour(airport, slot))
                slots.insert(slot);
        }
        return slots;
    };
    EXPECT_TRUE(blocked(home).empty());
    PlaneOnRoute(0, home);
    EXPECT_EQ(std::set<int32_t>{0}, blocked(home));
    EXPECT_EQ(std::set<int32_t>{5}, blocked(11)) << "the route blocks the way back too";
    for (int32_t slot = 1; slot < 4; ++slot)
    {
        Plane* plane = company().BuyPlane(0, "More", Now());
        company().OpenRoute(plane, home, Enviroment::GetNeighbour(home, slot), 1, 1, Now());
    }
    EXPECT_EQ(6u, blocked(home).size()) << "four routes out block every line";
}

TEST_F(ScreenRulesTest, TheCreditOffersHundredthsOfTheLimitAndNothingForANegativeWorth)
{
    const BankActions::AmountRange range = BankActions::CreditAmounts(Now());
    EXPECT_EQ(company().Worth(Now()) * company().GetCreditFactor() / 1000 / 1000 * 1000, range.high);
    EXPECT_EQ(range.high / 100, range.step);
    EXPECT_TRUE(BankActions::MayObtain(Now()));
    EXPECT_FALSE(BankActions::MayRepay());
    EXPECT_FALSE(BankActions::MayChangeRate());

    // Stepping: the amount starts at the top, never passes it and never
    // reaches nothing on the way down.
    const struct
    {
        int64_t high;
        int64_t floor;
        int64_t lowest;
    } ranges[] = {
        {100000, BankActions::CREDIT_FLOOR, 1000}, // down stops at 1000
        {150000, BankActions::CREDIT_FLOOR, 1500}, // a step above the floor: stops at one step
        {5000, BankActions::CREDIT_FLOOR, 1000},
        {37, 0, 1}, // a repayment smaller than a hundred moves by 1
        {250, 0, 2},
    };
    for (const auto& r : ranges)
    {
        BankActions::AmountRange stepper;
        stepper.high = r.high;
        stepper.step = std::max<int64_t>(r.high / 100, 1);
        stepper.floor = r.floor;
        int64_t amount = r.high;
        EXPECT_FALSE(stepper.CanRaise(amount));
        int32_t steps = 0;
        while (stepper.CanLower(amount) && steps < 1000)
        {
            amount = stepper.Lower(amount);
            ++steps;
        }
        EXPECT_EQ(r.lowest, amount) << r.high;
        EXPECT_EQ(r.high, stepper.Raise(stepper.Raise(r.high - 1))) << "raising stops at the top";
    }

    // A worth below zero: no credit, Obtain disabled.
    SetCash(-30000000);
    ASSERT_LT(company().Worth(Now()), 0);
    EXPECT_EQ(0, BankActions::CreditAmounts(Now()).high);
    EXPECT_FALSE(BankActions::MayObtain(Now()));
    EXPECT_FALSE(BankActions::ObtainCredit(1000, Now()));
    EXPECT_EQ(0, Pending(CreditInstallmentEvent::TYPE));
}

TEST_F(ScreenRulesTest, ACreditRunsFromObtainingToTheLastRepayment)
{
    const int64_t limit = BankActions::CreditAmounts(Now()).high;
    EXPECT_FALSE(BankActions::ObtainCredit(limit + 1, Now())) << "more than the bank offers";
    EXPECT_FALSE(BankActions::ObtainCredit(0, Now()));
    const int64_t cash = company().GetCash();
    ASSERT_TRUE(BankActions::ObtainCredit(100000, Now()));
    EXPECT_EQ(cash + 100000, company().GetCash());
    ASSERT_EQ(1, Pending(CreditInstallmentEvent::TYPE));
    EXPECT_TRUE(Same(FindPending(CreditInstallmentEvent::TYPE)->_time, Now().Add(0, 1, 0, 0, 0, 0)));
    EXPECT_FALSE(BankActions::MayObtain(Now())) << "one credit at a time";
    EXPECT_FALSE(BankActions::ObtainCredit(1000, Now()));
    EXPECT_TRUE(BankActions::MayChangeRate());

    // A repayment is bounded by the credit and by the cash.
    EXPECT_EQ(100000, BankActions::RepayAmounts().high);
    SetCash(60000);
    EXPECT_EQ(60000, BankActions::RepayAmounts().high);
    EXPECT_FALSE(BankActions::RepayCredit(60001));
    ASSERT_TRUE(BankActions::RepayCredit(60000));
    EXPECT_EQ(40000, company().GetRemainingCredit());
    EXPECT_EQ(1, Pending(CreditInstallmentEvent::TYPE)) << "the credit still runs";
    EXPECT_FALSE(BankActions::MayRepay()) << "no cash left";
    EXPECT_TRUE(BankActions::MayChangeRate());
    SetCash(50000);
    EXPECT_TRUE(BankActions::MayRepay());
    ASSERT_TRUE(BankActions::RepayCredit(40000));
    EXPECT_EQ(0, company().GetRemainingCredit());
    EXPECT_EQ(0, Pending(CreditInstallmentEvent::TYPE)) << "repaying all cancels the installments";
    EXPECT_FALSE(BankActions::MayChangeRate());
    EXPECT_TRUE(BankActions::MayObtain(Now()));
}

TEST_F(ScreenRulesTest, TheRateStaysWithinOneAndWhatTheCashPaysUpToThirty)
{
    ASSERT_TRUE(BankActions::ObtainCredit(100000, Now()));
    const struct
    {
        int64_t cash;
        int64_t highest;
    } cases[] = {{-5000, 1}, {0, 1}, {999, 1}, {7000, 7}, {7999, 7}, {30000, 30}, {5000000, 30}};
    for (const auto& c : cases)
    {
        SetCash(c.cash);
        EXPECT_EQ(c.highest, company().HighestRate()) << c.cash;
        EXPECT_FALSE(BankActions::SetRate(0, Now()));
        EXPECT_FALSE(BankActions::SetRate(c.highest + 1, Now()));
        EXPECT_TRUE(BankActions::SetRate(c.highest, Now()));
        EXPECT_EQ(c.highest, company().GetMIR());
    }
    EXPECT_EQ(1, Pending(CreditInstallmentEvent::TYPE))
        << "without the prompt the installment keeps its date";
}

// The monthly installment found the rate unaffordable and asks for a new
// one: setting it moves the waiting installment to now instead of adding a
// second chain.
TEST_F(ScreenRulesTest, ANewRateAfterThePromptMovesTheInstallmentToNow)
{
    ASSERT_TRUE(BankActions::ObtainCredit(1000000, Now()));
    ASSERT_TRUE(BankActions::SetRate(30, Now()));
    // Only the installment is run: the one a month ahead, as it fires.
    TimeSimulation::Clear();
    SetCash(100000);
    const Time due = Now().Add(0, 1, 0, 0, 0, 0);
    CreditInstallmentEvent installment;
    Run(installment, due);
    ASSERT_TRUE(company().GetMIRPrompt());
    ASSERT_EQ(std::vector<int32_t>{Notices::CHANGE_RATE}, log.notices);
    EXPECT_EQ(1, Pending(CreditInstallmentEvent::TYPE));

    const Time asked = due.Add(0, 0, 0, 2, 0, 0);
    TimeSimulation::SetCurrGameTime(asked);
    ASSERT_TRUE(BankActions::SetRate(5, asked));
    EXPECT_FALSE(company().GetMIRPrompt());
    ASSERT_EQ(1, Pending(CreditInstallmentEvent::TYPE));
    EXPECT_TRUE(Same(FindPending(CreditInstallmentEvent::TYPE)->_time, asked));
    const int64_t cash = company().GetCash();
    ASSERT_EQ(CreditInstallmentEvent::TYPE, GameState::FireNextBefore(asked.Add(0, 0, 0, 1, 0, 0)));
    EXPECT_EQ(cash - company().Installment(), company().GetCash()) << "paid at the new rate at once";
    EXPECT_EQ(1, Pending(CreditInstallmentEvent::TYPE)) << "one chain runs on";
}
} // namespace
