// The airport and bank screens on the real program: the airports list and
// its order, the airport details with its pop-up, research, offices,
// advertising, the demand and risk screens, the bank with its pop-up, and a
// whole round of borrowing, changing the rate and repaying by taps.
#include "../../GameTestSupport.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/BankActions.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/CreditInstallmentEvent.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxRadioButton.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Forms/AdvertisingForm.h"
#include "Common/Gui/Forms/AirportDetailsForm.h"
#include "Common/Gui/Forms/AirportsForm.h"
#include "Common/Gui/Forms/BankForm.h"
#include "Common/Gui/Forms/BuyOfficeCAForm.h"
#include "Common/Gui/Forms/BuyOfficeForm.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/ChangeRateForm.h"
#include "Common/Gui/Forms/CreditAmountForm.h"
#include "Common/Gui/Forms/DemandInfoForm.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "Common/Gui/Forms/MainForm.h"
#include "Common/Gui/Forms/ResearchForm.h"
#include "Common/Gui/Forms/RiskInfoForm.h"
#include "Common/Gui/Forms/SellOfficeForm.h"
#include "WinCE/ScreenDump.h"
#include "Wkr/Gui/GfxButton.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace
{
class AirportBankTest : public game_test::GameTest
{
protected:
    // A game at the first home airport, the planes list shown.
    void SetUp() override
    {
        GameTest::SetUp();
        Start();
        Run("wait 25\ntap 1 100\ntap 1 100\n");
        home = GameState::HomeAirportCandidates().front();
        ASSERT_TRUE(GameState::NewGame("Airport Air", home));
        company = Enviroment::GetCompany();
        navigation = app->GetMainMenu()->GetNavigation();
        app->GetMainMenu()->SetGameActive(true);
        Open(Screens::PLANES);
        // An airport the company knows nothing of, not next to home.
        for (int32_t a = 0; a < Enviroment::AIRPORT_COUNT && stranger < 0; ++a)
        {
            if (a != home && Enviroment::GetAirport(home).SlotOf(a) < 0)
                stranger = a;
        }
    }

    Time Now() const { return TimeSimulation::GetCurrGameTime(); }
    void SetCash(int64_t cash) { company->Spend(company->GetCash() - cash, false); }
    SRForm* Screen() const { return navigation->GetScreen(); }
    int32_t Shown() const { return Screen() ? Screen()->GetNumber() : -1; }
    template <class T> T* As() const { return dynamic_cast<T*>(Screen()); }

    // Requests a screen the way the game does and lets the loop build it.
    void Open(int32_t number)
    {
        navigation->ChangeForm(number);
        navigation->Show();
        Run("wait 60\n");
    }
    // The current airport's details screen.
    void OpenAirport(int32_t airport)
    {
        navigation->SetCurrentAirport(airport);
        Open(Screens::AIRPORT_DETAILS);
        ASSERT_EQ(Screens::AIRPORT_DETAILS, Shown());
    }
    void Tap(int32_t x, int32_t y)
    {
        ScreenDump dump;
        Screen()->Describe(dump);
        Run(("tap " + std::to_string(x + dump.originX) + " " + std::to_string(y + dump.originY) +
             "\nwait 60\n")
                .c_str());
    }
    // Taps the button `id` of the shown screen.
    void Press(int32_t id)
    {
        ASSERT_NE(nullptr, Screen());
        const GfxButton* button = Screen()->GetButton(id);
        ASSERT_NE(nullptr, button) << "no button " << id << " on screen " << Shown();
        Tap(button->GetX() + 6, button->GetY() + 6);
    }
    // Opens the pop-up by its button and taps its entry `index` (0 the lowest).
    void Choose(const PopupMenu* popup, int32_t index)
    {
        const PopupItem* lowest = popup->GetItem(0);
        Tap(lowest->GetX() + 10, lowest->GetY() + lowest->GetHeight() + 10);
        ASSERT_TRUE(popup->IsOpen());
        const PopupItem* entry = popup->GetItem(index);
        Tap(entry->GetX() + 10, entry->GetY() + entry->GetHeight() / 2);
    }
    static int32_t PendingInstallments()
    {
        int32_t n = 0;
        for (int32_t i = 0; i < TimeSimulation::GetEventCount(); ++i)
            n += TimeSimulation::GetEvent(i)->GetType() == CreditInstallmentEvent::TYPE;
        return n;
    }
    bool Disabled(const PopupMenu* popup, int32_t index) const { return popup->GetItem(index)->IsDisabled(); }
    // The strings the shown screen draws, in the order drawn.
    std::vector<std::string> Drawn() const
    {
        ScreenDump dump;
        Screen()->Describe(dump);
        std::vector<std::string> texts;
        for (const ScreenDump::Text& text : dump.texts)
            texts.push_back(text.text);
        return texts;
    }
    bool IsDrawn(const std::string& text) const
    {
        const std::vector<std::string> texts = Drawn();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    // The fixed lines of the shown screen's layout.
    std::vector<std::string> LayoutLines() const
    {
        std::vector<std::string> lines;
        for (const ScreenText& text : Screen()->GetLayout().texts)
            lines.push_back(text.text);
        return lines;
    }

    int32_t home = -1;
    int32_t stranger = -1;
    Company* company = nullptr;
    CentralFormChanger* navigation = nullptr;
};

std::string Folded(const char* text)
{
    std::string folded = text;
    for (char& c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

TEST_F(AirportBankTest, TheAirportsListRunsByCountryThenNameAndChoosingMakesTheAirportCurrent)
{
    const std::vector<int32_t> order = AirportsForm::ListOrder();
    ASSERT_EQ(static_cast<size_t>(Enviroment::AIRPORT_COUNT), order.size());
    std::vector<int32_t> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int32_t i = 0; i < Enviroment::AIRPORT_COUNT; ++i)
        EXPECT_EQ(i, sorted[static_cast<size_t>(i)]) << "every airport once";
    for (size_t i = 1; i < order.size(); ++i)
    {
        const AirportInfo a = Enviroment::GetAirport(order[i - 1]);
        const AirportInfo b = Enviroment::GetAirport(order[i]);
        const std::string ca = Folded(a._country), cb = Folded(b._country);
        EXPECT_TRUE(ca < cb || (ca == cb && Folded(a._short_name) <= Folded(b._short_name)))
            << a._country << ", " << a._short_name << " before " << b._country << ", " << b._short_name;
    }

    // A year-old record nobody uses is dropped when the list opens. Time
    // stands still, so no event of the year skipped touches the record.
    TimeSimulation::SetSpeed(0);
    company->Research(stranger, true, Now());
    TimeSimulation::SetCurrGameTime(Now().Add(1, 0, 1, 0, 0, 0));
    navigation->SetCurrentAirport(home);
    Open(Screens::AIRPORTS);
    ASSERT_EQ(Screens::AIRPORTS, Shown());
    EXPECT_EQ(nullptr, company->FindDetails(stranger)) << "stale";
    EXPECT_NE(nullptr, company->FindDetails(home)) << "the home office keeps its record";

    // The list opens on the current airport; a letter jumps to the first
    // country with it, and the keys move the selection.
    auto* list = As<AirportsForm>()->GetList();
    auto label = [&](int32_t row) { return static_cast<const ItemString*>(list->GetItem(row))->GetText(); };
    auto value = [&](int32_t row) { return static_cast<const ItemString*>(list->GetItem(row))->GetValue(); };
    EXPECT_EQ(home, value(list->GetSelected()));
    const AirportInfo homeInfo = Enviroment::GetAirport(home);
    EXPECT_EQ(std::string(homeInfo._country) + ", " + homeInfo._short_name, label(list->GetSelected()));
    Run("char u\n");
    const int32_t firstU = list->GetSelected();
    EXPECT_EQ('U', label(firstU)[0]);
    EXPECT_NE('U', label(firstU - 1)[0]);
    Run("key down\n");
    EXPECT_EQ(firstU + 1, list->GetSelected());

    // Choosing: the airport becomes current, with its details when the
    // company holds them.
    const int32_t chosen = value(list->GetSelected());
    As<AirportsForm>()->Choose();
    Run("wait 60\n");
    ASSERT_EQ(Screens::AIRPORT_DETAILS, Shown());
    EXPECT_EQ(chosen, navigation->GetCurrentAirport());
    EXPECT_EQ(company->FindDetails(chosen), navigation->GetCurrentDetails());
    Press(AirportDetailsForm::OK);
    ASSERT_EQ(Screens::AIRPORTS, Shown());
    list = As<AirportsForm>()->GetList();
    navigation->SetCurrentDetails(nullptr);
    const int32_t homeRow = static_cast<int32_t>(std::find(order.begin(), order.end(), home) - order.begin());
    list->SetSelected(homeRow);
    As<AirportsForm>()->Choose();
    Run("wait 60\n");
    EXPECT_EQ(company->FindDetails(home), navigation->GetCurrentDetails());
}

// The research entry and its three screens, at the edge of affordability.
TEST_F(AirportBankTest, ResearchIsRefusedAtAPriceEqualToTheCashAndAskedForAboveIt)
{
    const int64_t price = AirportDetails::ResearchCost(stranger);
    SetCash(price);
    OpenAirport(stranger);
    auto* details = As<AirportDetailsForm>();
    EXPECT_TRUE(Disabled(details->GetPopup(), AirportDetailsForm::ADVERTISE)) << "nothing known yet";
    EXPECT_FALSE(Disabled(details->GetPopup(), AirportDetailsForm::BUY));
    EXPECT_TRUE(Disabled(details->GetPopup(), AirportDetailsForm::SELL)) << "no office";
    Choose(details->GetPopup(), AirportDetailsForm::RESEARCH);
    ASSERT_EQ(Screens::RESEARCH_CANNOT_AFFORD, Shown());
    EXPECT_EQ((std::vector<std::string>{"You can't afford it!", "This costs:"}), LayoutLines());
    EXPECT_TRUE(IsDrawn("You can't afford it!"));
    EXPECT_TRUE(IsDrawn("$ " + std::to_string(price)));
    Press(ResearchForm::OK);
    ASSERT_EQ(Screens::AIRPORT_DETAILS, Shown());
    EXPECT_EQ(nullptr, company->FindDetails(stranger));

    SetCash(price + 1);
    Choose(As<AirportDetailsForm>()->GetPopup(), AirportDetailsForm::RESEARCH);
    ASSERT_EQ(Screens::RESEARCH, Shown());
    Press(ResearchForm::NO);
    EXPECT_EQ(nullptr, company->FindDetails(stranger)) << "No leaves it";
    Choose(As<AirportDetailsForm>()->GetPopup(), AirportDetailsForm::RESEARCH);
    Press(ResearchForm::YES);
    ASSERT_EQ(Screens::AIRPORT_DETAILS, Shown());
    ASSERT_NE(nullptr, company->FindDetails(stranger));
    EXPECT_EQ(company->FindDetails(stranger), navigation->GetCurrentDetails());
    EXPECT_EQ(1, company->GetCash());
    EXPECT_FALSE(Disabled(As<AirportDetailsForm>()->GetPopup(), AirportDetailsForm::ADVERTISE));

    company->Earn(10000000, false);
    Choose(As<AirportDetailsForm>()->GetPopup(), AirportDetailsForm::RESEARCH);
    ASSERT_EQ(Screens::RESEARCH_NOT_NEEDED, Shown());
    EXPECT_EQ("You don't need to make research.", LayoutLines().front());
    Press(ResearchForm::OK);
    EXPECT_EQ(Screens::AIRPORT_DETAILS, Shown());
}

TEST_F(AirportBankTest, AnOfficeIsBoughtAboveItsPriceAndSoldForHalf)
{
    const int64_t price = AirportDetails::OfficePrice(stranger);
    SetCash(price);
    OpenAirport(stranger);
    Choose(As<AirportDetailsForm>()->GetPopup(), AirportDetailsForm::BUY);
    ASSERT_EQ(Screens::BUY_OFFICE_CANNOT_AFFORD, Shown());
    EXPECT_EQ("You can't afford it!", LayoutLines().front());
    Press(BuyOfficeCAForm::OK);
    ASSERT_EQ(Screens::AIRPORT_DETAILS, Shown());

    SetCash(price + 1000000);
    Choose(As<AirportDetailsForm>()->GetPopup(), AirportDetailsForm::BUY);
    ASSERT_EQ(Screens::BUY_OFFICE, Shown());
    Press(BuyOfficeForm::NO);
    EXPECT_FALSE(company->HasOffice(stranger));
    Choose(As<AirportDetailsForm>()->GetPopup(), AirportDetailsForm::BUY);
    Press(BuyOfficeForm::YES);
    ASSERT_EQ(Screens::AIRPORT_DETAILS, Shown());
    ASSERT_TRUE(company->HasOffice(stranger));
    EXPECT_EQ(company->FindDetails(stranger), navigation->GetCurrentDetails());
    // Buying researched the unknown airport too.
    EXPECT_EQ(1000000 - AirportDetails::ResearchCost(stranger), company->GetCash());
    auto* details = As<AirportDetailsForm>();
    EXPECT_TRUE(Disabled(details->GetPopup(), AirportDetailsForm::BUY)) << "one office an airport";
    EXPECT_FALSE(Disabled(details->GetPopup(), AirportDetailsForm::SELL));

    const int64_t cash = company->GetCash();
    Choose(details->GetPopup(), AirportDetailsForm::SELL);
    ASSERT_EQ(Screens::SELL_OFFICE, Shown());
    Press(SellOfficeForm::NO);
    EXPECT_TRUE(company->HasOffice(stranger));
    Choose(As<AirportDetailsForm>()->GetPopup(), AirportDetailsForm::SELL);
    Press(SellOfficeForm::YES);
    ASSERT_EQ(Screens::AIRPORT_DETAILS, Shown());
    EXPECT_FALSE(company->HasOffice(stranger));
    EXPECT_EQ(cash + price / 2, company->GetCash());
    EXPECT_TRUE(Disabled(As<AirportDetailsForm>()->GetPopup(), AirportDetailsForm::SELL));
}

TEST_F(AirportBankTest, ACampaignIsChosenAmongTheSizesTheCashAffords)
{
    company->Research(stranger, true, Now());
    const int64_t medium = AirportDetails::AdvertisingCost(stranger, 80);
    // Enough for the small and the medium campaign only (the medium one's
    // price is below the cash, the large one's is not).
    SetCash(medium + 1);
    OpenAirport(stranger);
    Choose(As<AirportDetailsForm>()->GetPopup(), AirportDetailsForm::ADVERTISE);
    ASSERT_EQ(Screens::ADVERTISING, Shown());
    auto* form = As<AdvertisingForm>();
    EXPECT_TRUE(form->GetSizeButton(0)->IsEnabled());
    EXPECT_TRUE(form->GetSizeButton(1)->IsEnabled());
    EXPECT_FALSE(form->GetSizeButton(2)->IsEnabled());
    EXPECT_FALSE(form->GetButton(AdvertisingForm::OK)->IsEnabled()) << "no size chosen yet";
    form->ChooseSize(80);
    Run("wait 30\n");
    EXPECT_TRUE(form->GetButton(AdvertisingForm::OK)->IsEnabled());
    const int32_t bonusBefore = company->FindDetails(stranger)->_bonus[0];
    Press(AdvertisingForm::OK);
    ASSERT_EQ(Screens::AIRPORT_DETAILS, Shown());
    EXPECT_EQ(1, company->GetCash());
    EXPECT_GT(company->FindDetails(stranger)->_bonus[0], bonusBefore) << "the medium campaign starts at once";

    // Cancel runs nothing.
    company->Earn(10000000, false);
    const int64_t cash = company->GetCash();
    Choose(As<AirportDetailsForm>()->GetPopup(), AirportDetailsForm::ADVERTISE);
    As<AdvertisingForm>()->ChooseSize(120);
    Press(AdvertisingForm::CANCEL);
    EXPECT_EQ(Screens::AIRPORT_DETAILS, Shown());
    EXPECT_EQ(cash, company->GetCash());
}

TEST_F(AirportBankTest, DemandAndRiskShowWhatTheCompanyKnows)
{
    // Unresearched: no demand known, and the risk screen says so.
    const struct
    {
        bool kilometres;
        const char* unit;
    } units[] = {{true, "km"}, {false, "mls"}};
    for (const auto& u : units)
    {
        const std::string line = DemandInfoForm::LineText(stranger, 0, u.kilometres);
        const int32_t neighbour = Enviroment::GetNeighbour(stranger, 0);
        int32_t distance = Enviroment::GetDistance(stranger, neighbour);
        if (!u.kilometres)
            distance = static_cast<int32_t>(distance / 1.6);
        EXPECT_EQ(std::string(Enviroment::GetAirport(neighbour)._short_name) + "  0 (" +
                      std::to_string(distance) + u.unit + ")",
                  line);
    }
    OpenAirport(stranger);
    Press(AirportDetailsForm::RISK);
    ASSERT_EQ(Screens::RISK_INFO, Shown());
    EXPECT_TRUE(IsDrawn("Make research to get risk info."));
    EXPECT_FALSE(IsDrawn("Unpredictable events"));
    Press(RiskInfoForm::OK);
    Press(AirportDetailsForm::DEMAND);
    ASSERT_EQ(Screens::DEMAND_INFO, Shown());
    EXPECT_TRUE(IsDrawn(DemandInfoForm::LineText(stranger, 5, GameOptions::UsesKilometres())));
    Press(DemandInfoForm::OK);
    const std::vector<RiskInfoForm::Line> unknown = RiskInfoForm::Lines(nullptr);
    ASSERT_EQ(1u, unknown.size());
    EXPECT_EQ("Make research to get risk info.", unknown[0].text);
    EXPECT_EQ(60, unknown[0].y);

    // Researched: the passengers a flight finds there, advertising
    // included, and the three risk levels by name.
    AirportDetails* details = company->Research(stranger, true, Now());
    details->_demand[2] = 1625;
    details->_bonus[2] = 130;
    details->_strike_risk = 4999;
    details->_weather_risk = 0;
    details->_smuggling_risk = 2000;
    const std::string line = DemandInfoForm::LineText(stranger, 2, true);
    EXPECT_NE(std::string::npos, line.find("  175 (")) << line;
    std::vector<std::string> texts;
    std::vector<int32_t> ys;
    for (const RiskInfoForm::Line& l : RiskInfoForm::Lines(details))
    {
        texts.push_back(l.text);
        ys.push_back(l.y);
    }
    EXPECT_EQ((std::vector<std::string>{"Unpredictable events", "Airport's staff strike:", "very high",
                                        "Extremely bad weather:", "very low", "Smuggling offers:", "medium"}),
              texts);
    EXPECT_EQ(107, ys[2]);
    EXPECT_EQ(154, ys[4]);
    EXPECT_EQ(201, ys[6]);

    // Both screens open from the details and return there.
    OpenAirport(stranger);
    Press(AirportDetailsForm::DEMAND);
    ASSERT_EQ(Screens::DEMAND_INFO, Shown());
    EXPECT_TRUE(IsDrawn("Info about value of demand"));
    for (int32_t slot = 0; slot < AirportDetails::NEIGHBOURS; ++slot)
        EXPECT_TRUE(IsDrawn(DemandInfoForm::LineText(stranger, slot, GameOptions::UsesKilometres()))) << slot;
    Press(DemandInfoForm::OK);
    Press(AirportDetailsForm::RISK);
    ASSERT_EQ(Screens::RISK_INFO, Shown());
    EXPECT_TRUE(IsDrawn("very high"));
    EXPECT_TRUE(IsDrawn("Extremely bad weather:"));
    EXPECT_FALSE(IsDrawn("Make research to get risk info."));
    Press(RiskInfoForm::OK);
    Press(AirportDetailsForm::DEMAND);
    ASSERT_EQ(Screens::DEMAND_INFO, Shown());
    Press(DemandInfoForm::OK);
    ASSERT_EQ(Screens::AIRPORT_DETAILS, Shown());
    Press(AirportDetailsForm::RISK);
    ASSERT_EQ(Screens::RISK_INFO, Shown());
    Press(RiskInfoForm::OK);
    EXPECT_EQ(Screens::AIRPORT_DETAILS, Shown());
}

TEST_F(AirportBankTest, TheBankPopupFollowsTheWorthAndTheCash)
{
    Open(Screens::BANK);
    ASSERT_EQ(Screens::BANK, Shown());
    const PopupMenu* popup = As<BankForm>()->GetBankPopup();
    struct Expected
    {
        bool change, repay, obtain;
    };
    auto check = [&](const char* what, Expected e)
    {
        Run("wait 30\n");
        SCOPED_TRACE(what);
        EXPECT_EQ(e.change, !Disabled(popup, BankForm::CHANGE));
        EXPECT_EQ(e.repay, !Disabled(popup, BankForm::REPAY));
        EXPECT_EQ(e.obtain, !Disabled(popup, BankForm::OBTAIN));
    };
    check("no credit", {false, false, true});
    SetCash(-10000000);
    check("a negative worth", {false, false, false});
    EXPECT_EQ(0, BankActions::CreditAmounts(Now()).high);
    SetCash(1000000);
    check("the worth positive again", {false, false, true});
    ASSERT_TRUE(BankActions::ObtainCredit(100000, Now()));
    check("a credit", {true, true, false});
    SetCash(0);
    check("a credit and no cash", {true, false, false});
    SetCash(5000);
    check("a credit and some cash", {true, true, false});
}

// A player borrows, sets the rate, repays part and then all, by taps.
TEST_F(AirportBankTest, APlayerBorrowsChangesTheRateAndRepaysThroughTheScreens)
{
    Open(Screens::BANK);
    Choose(As<BankForm>()->GetBankPopup(), BankForm::OBTAIN);
    ASSERT_EQ(Screens::OBTAIN_CREDIT, Shown());
    auto* obtain = As<CreditAmountForm>();
    const BankActions::AmountRange range = obtain->GetRange();
    EXPECT_EQ(company->CreditLimit(Now()), range.high);
    EXPECT_EQ(range.high, obtain->GetAmount());
    EXPECT_FALSE(obtain->GetButton(CreditAmountForm::UP)->IsEnabled()) << "at the maximum";
    Press(CreditAmountForm::DOWN);
    Press(CreditAmountForm::DOWN);
    EXPECT_EQ(range.high - 2 * range.step, obtain->GetAmount());
    Press(CreditAmountForm::UP);
    const int64_t amount = range.high - range.step;
    EXPECT_EQ(amount, obtain->GetAmount());
    const int64_t cash = company->GetCash();
    Press(CreditAmountForm::OK);
    ASSERT_EQ(Screens::CHANGE_RATE, Shown());
    EXPECT_EQ(cash + amount, company->GetCash());
    EXPECT_EQ(amount, company->GetRemainingCredit());
    EXPECT_EQ(1, PendingInstallments());

    // The rate from the company's, one step up; from 8, OK returns to the bank.
    EXPECT_EQ(company->GetMIR(), As<ChangeRateForm>()->GetRate());
    Press(ChangeRateForm::UP);
    EXPECT_EQ(Company::START_MIR + 1, As<ChangeRateForm>()->GetRate());
    Press(ChangeRateForm::OK);
    ASSERT_EQ(Screens::BANK, Shown());
    EXPECT_EQ(Company::START_MIR + 1, company->GetMIR());

    // With little cash the rate cannot rise above what it pays.
    // Two percent of the credit, rounded up: the cash pays 2 % and no more.
    const int64_t little = (amount * 2 + 99) / 100;
    SetCash(little);
    Choose(As<BankForm>()->GetBankPopup(), BankForm::CHANGE);
    ASSERT_EQ(Screens::CHANGE_RATE, Shown());
    EXPECT_EQ(2, As<ChangeRateForm>()->GetRate()) << "the shown rate kept within the limit";
    EXPECT_FALSE(As<ChangeRateForm>()->GetButton(ChangeRateForm::UP)->IsEnabled());
    Press(ChangeRateForm::DOWN);
    EXPECT_EQ(1, As<ChangeRateForm>()->GetRate());
    EXPECT_FALSE(As<ChangeRateForm>()->GetButton(ChangeRateForm::DOWN)->IsEnabled());
    Press(ChangeRateForm::OK);
    ASSERT_EQ(Screens::BANK, Shown()) << "back to where it came from";
    EXPECT_EQ(1, company->GetMIR());

    // Repaying: at most the cash, then all of the credit.
    Choose(As<BankForm>()->GetBankPopup(), BankForm::REPAY);
    ASSERT_EQ(Screens::REPAY_CREDIT, Shown());
    EXPECT_EQ(little, As<CreditAmountForm>()->GetAmount());
    Press(CreditAmountForm::OK);
    ASSERT_EQ(Screens::BANK, Shown());
    EXPECT_EQ(0, company->GetCash());
    EXPECT_EQ(amount - little, company->GetRemainingCredit());
    company->Earn(10000000, false);
    Run("wait 30\n");
    Choose(As<BankForm>()->GetBankPopup(), BankForm::REPAY);
    ASSERT_EQ(Screens::REPAY_CREDIT, Shown());
    Press(CreditAmountForm::OK);
    ASSERT_EQ(Screens::BANK, Shown());
    EXPECT_FALSE(company->HasCredit());
    EXPECT_EQ(0, PendingInstallments()) << "repaying all cancels the installments";
}

// The cost index grows 2 per mille a month: late in a game the office at a
// large airport costs more than a million, and both office screens show it.
TEST_F(AirportBankTest, OfficesOverAMillionAreShownLateInAGame)
{
    int32_t largest = 0;
    for (int32_t a = 0; a < Enviroment::AIRPORT_COUNT; ++a)
    {
        if (AirportDetails::OfficePrice(a) > AirportDetails::OfficePrice(largest))
            largest = a;
    }
    // Forty years of monthly growth from the start of 200.
    Enviroment::RaiseCostIndex(2 * 12 * 40);
    const int64_t price = AirportDetails::OfficePrice(largest);
    ASSERT_GT(price, 1000000);
    for (const int64_t cash : {price, price + 1})
    {
        SetCash(cash);
        OpenAirport(largest);
        Choose(As<AirportDetailsForm>()->GetPopup(), AirportDetailsForm::BUY);
        EXPECT_EQ(cash > price ? Screens::BUY_OFFICE : Screens::BUY_OFFICE_CANNOT_AFFORD, Shown());
    }
    Press(BuyOfficeForm::YES);
    EXPECT_TRUE(company->HasOffice(largest));
}

// The monthly installment's two questions: a new rate, and the fine.
TEST_F(AirportBankTest, TheInstallmentNoticesReturnWhereThePlayerWas)
{
    ASSERT_TRUE(BankActions::ObtainCredit(100000, Now()));
    // Time stands still, so the installment due again stays in view.
    TimeSimulation::SetSpeed(0);
    Open(Screens::AIRPORTS);
    company->SetMIRPrompt(true);
    navigation->ShowNotice(Notices::CHANGE_RATE);
    Run("wait 60\n");
    ASSERT_EQ(Screens::CHANGE_RATE, Shown());
    Press(ChangeRateForm::OK);
    ASSERT_EQ(Screens::AIRPORTS, Shown());
    EXPECT_FALSE(company->GetMIRPrompt());
    int32_t pending = 0;
    for (int32_t i = 0; i < TimeSimulation::GetEventCount(); ++i)
    {
        const ScheduledEvent* event = TimeSimulation::GetEvent(i);
        if (event->GetType() != CreditInstallmentEvent::TYPE)
            continue;
        ++pending;
        EXPECT_FALSE(event->_time.IsAfter(Now())) << "due again at once";
    }
    EXPECT_EQ(1, pending);

    navigation->ShowNotice(Notices::CREDIT_FINE);
    Run("wait 60\n");
    ASSERT_EQ(Screens::CREDIT_FINE, Shown());
    EXPECT_EQ("Total fine amount:", LayoutLines().back());
    Press(ChangeRateForm::OK);
    EXPECT_EQ(Screens::AIRPORTS, Shown());
}
} // namespace
