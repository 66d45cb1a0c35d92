#include "../../GameTestSupport.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Forms/AgencyOfferForm.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/FoodPoisoningForm.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "Common/Gui/Forms/MainForm.h"
#include "Common/Gui/Forms/NoticeForm.h"
#include "Common/Gui/Forms/PlaneChoiceForm.h"
#include "Common/Gui/Forms/PlaneDamageForm.h"
#include "Common/Gui/Forms/ScreenFactory.h"
#include "Common/Gui/Forms/SmugglingOfferForm.h"
#include "Common/LocaleDate.h"
#include "WinCE/MenuBar.h"
#include "WinCE/ScreenDump.h"
#include "Wkr/Gui/GfxButton.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
class NoticeTest : public game_test::GameTest
{
protected:
    // A game on the menu's navigation form: the company at its first home
    // airport with one plane flying to the airport's first neighbour, the
    // planes list shown.
    void SetUp() override
    {
        GameTest::SetUp();
        Start();
        Run("wait 25\ntap 1 100\ntap 1 100\n");
        const std::vector<int32_t> homes = GameState::HomeAirportCandidates();
        ASSERT_FALSE(homes.empty());
        home = homes.front();
        ASSERT_TRUE(GameState::NewGame("Notice Air", home));
        destination = Enviroment::GetAirport(home)._neighbours[0];
        company = Enviroment::GetCompany();
        const Time now = TimeSimulation::GetCurrGameTime();
        company->Earn(100000000, false);
        plane = company->BuyPlane(FlyingModel(), "Blue Heron", now);
        ASSERT_NE(nullptr, plane);
        company->OpenRoute(plane, home, destination, 1, 1, now);
        GameOptions::SetKilometres(true);
        navigation = app->GetMainMenu()->GetNavigation();
        navigation->ChangeForm(Screens::PLANES);
        navigation->Show();
        Run("wait 50\n");
        ASSERT_EQ(Screens::PLANES, Shown());
    }

    // A model on sale that reaches the destination.
    int32_t FlyingModel() const
    {
        const int32_t distance = Enviroment::GetDistance(home, destination);
        for (int32_t m = 0; m < Enviroment::GetModelCount(); ++m)
        {
            if (Enviroment::GetModelAvailability(m) == Enviroment::MODEL_ON_SALE &&
                Enviroment::GetPlaneModel(m)._range >= static_cast<uint32_t>(distance))
                return m;
        }
        return -1;
    }

    int32_t Shown() const { return navigation->GetScreen() ? navigation->GetScreen()->GetNumber() : -1; }

    // Opens a notice the way an event does, and lets the navigation form show it.
    void Open(int32_t notice)
    {
        navigation->ShowNotice(notice);
        Run("wait 50\n");
    }

    SRForm* Screen() const { return navigation->GetScreen(); }
    std::string Title() const
    {
        return Screen() && Screen()->GetLayout().title ? Screen()->GetLayout().title : "";
    }

    // The notice's text lines, top to bottom.
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        const auto* notice = dynamic_cast<const NoticeForm*>(Screen());
        if (!notice)
            return lines;
        for (const NoticeForm::Line& line : notice->GetLines())
            lines.push_back(line.text);
        return lines;
    }

    // Taps the button `id` of the shown notice.
    void Press(int32_t id)
    {
        ASSERT_NE(nullptr, Screen());
        const GfxButton* button = Screen()->GetButton(id);
        ASSERT_NE(nullptr, button) << "no button " << id << " on screen " << Shown();
        ScreenDump dump;
        Screen()->Describe(dump);
        Run(("tap " + std::to_string(button->GetX() + 6 + dump.originX) + " " +
             std::to_string(button->GetY() + 6 + dump.originY) + "\nwait 50\n")
                .c_str());
    }

    std::string Place(int32_t airport) const { return NoticeForm::AirportPlace(airport); }

    int32_t home = -1;
    int32_t destination = -1;
    Company* company = nullptr;
    Plane* plane = nullptr;
    CentralFormChanger* navigation = nullptr;
};

struct InformationalCase
{
    int32_t notice;
    const char* title;
    // The expected lines; "@home" stands for the home airport's place line,
    // "@plane" for the plane's name, "@model" for the model's name.
    std::vector<std::string> lines;
};

std::string Expand(const std::string& line, const std::string& homePlace, const std::string& planeName,
                   const std::string& modelName)
{
    if (line == "@home")
        return homePlace;
    if (line == "@plane")
        return planeName;
    if (line == "@model")
        return modelName;
    return line;
}
} // namespace

// Every informational notice opens through the navigation form with its
// title and its lines, the subject's figures filled in, and Ok returns to the
// screen it covered.
TEST_F(NoticeTest, EveryInformationalNoticeShowsItsTitleAndLines)
{
    AirportDetails* homeDetails = company->FindDetails(home);
    ASSERT_NE(nullptr, homeDetails);
    const int32_t model = FlyingModel();
    const PlaneModel figures = Enviroment::GetPlaneModel(model);
    plane->GetRoute()->_agency_tickets = 10;
    plane->GetRoute()->_agency_reduction = 4;
    NoticeActions::SetNoticeAmount(123456);
    const std::string agency = NoticeForm::CityPossessive(home) + " travel agency";
    const std::string noPlane[] = {"Unfortunately, at this moment", "you don't have any free planes",
                                   "that will fit this flight."};
    homeDetails->_reserved_a = destination;
    homeDetails->_event_value = 250000;
    homeDetails->_expiry_date = Time(1960, 3, 31);
    char offerEnd[LOCALE_DATE_SIZE];
    homeDetails->_expiry_date.FormatDate(offerEnd);
    const std::vector<std::string> offer = {"from:",
                                            "@home",
                                            "to:",
                                            Place(destination),
                                            "You've been given an offer",
                                            "to set up the route",
                                            "before the end of",
                                            offerEnd,
                                            "If you succeed, you will be paid:",
                                            "$250000"};
    const std::vector<InformationalCase> cases = {
        {Screens::NEW_MODEL,
         "Plane new model",
         {"New plane model has been put", "on the market:", std::string("Model: ") + figures._name,
          "Price: $" + std::to_string(figures._price), "Speed: " + std::to_string(figures._speed) + " km/h",
          "Range: " + std::to_string(figures._range) + " km",
          "Capacity: " + std::to_string(figures._capacity)}},
        {Screens::MODEL_WITHDRAWAL,
         "Plane model withdrawal",
         {"@model", "is not for sale anymore.",
          "You have " + std::to_string(figures._runout_months) + " months to replace",
          "all your planes that match", "this model."}},
        {Screens::BAD_WEATHER,
         "Bad weather",
         {"@home", "The airport", "will be closed for a few days", "because of extremely", "bad weather."}},
        {Screens::BAD_WEATHER_2,
         "Bad weather",
         {"@home", "The airport", "will be closed for a few days", "because of extremely", "bad weather."}},
        {Screens::SMUGGLING_DETECTED,
         "Smuggling detected",
         {"You have been caught", "smuggling! You have been fined", "$ 123456",
          "Additionally, your plane has to be", "thoroughly checked so it will be",
          "held by the police for a few days."}},
        {Screens::STAFF_STRIKE,
         "Airport staff strike",
         {"@home", "Airport's staff has announced", "a strike tomorrow.", "The airport will be closed",
          "for a whole day."}},
        {Screens::ROUTE_OFFER, "Offer", offer},
        {Screens::ROUTE_OFFER_INFO, "Offer", offer},
        {Screens::ROUTE_OFFER_EXPIRED,
         "Offer expired",
         {"from:", "@home", "The offer of setting up a route", "has just expired."}},
        {Screens::ROUTE_AWARD, "Offer", {"Congratulations!", "You have been awarded:", "$123456"}},
        {Screens::AGENCY_SHORT_OF_SEATS,
         "Withdrawn",
         {agency, "has just withdrawn from", "contract because you are not",
          "able to carry desired number of", "their passengers."}},
        {Screens::AGENCY_DEMAND_FALLEN,
         "Withdrawn",
         {agency, "has just withdrawn from", "contract because passengers", "demand has rapidly fallen",
          "down recently."}},
        {Screens::CONTRACT_INFO,
         "Contract info",
         {"You have the contract with", agency + ".", "They buy 10 tickets for each",
          "flight on this route and", "you guarntee them 4% off."}},
        {Screens::CHARITY_NO_PLANE, "No free plane", {noPlane[0], noPlane[1], noPlane[2]}},
        {Screens::CHARITY_NO_PLANE_2, "No free plane", {noPlane[0], noPlane[1], noPlane[2]}},
        {Screens::CHARITY_EXPIRED,
         "Offer expired",
         {"from:", "@home", "The offer of charity flight", "has just expired."}},
        {Screens::VIP_NO_PLANE, "No free plane", {noPlane[0], noPlane[1], noPlane[2]}},
        {Screens::VIP_NO_PLANE_2, "No free plane", {noPlane[0], noPlane[1], noPlane[2]}},
        {Screens::VIP_EXPIRED,
         "Offer expired",
         {"from:", "@home", "The offer of VIP flight", "has just expired."}},
        {Screens::THUNDERSTORM,
         "Thunderstorm",
         {"@home", "Enormous thunderstorm", "raging over:", "caused emergency", "airport closure."}},
        {Screens::STRONG_WIND,
         "Strong wind",
         {"@home", "Extremely strong wind", "blowing over:", "caused emergency", "airport closure."}},
        {Screens::THICK_FOG,
         "Thick Fog",
         {"@home", "Thick fog", "lingering over:", "caused emergency", "airport closure."}},
        {Screens::MANEUVERS,
         "Maneuvers",
         {"@home", "Government has announced", "military maneuvers tomorrow.", "The airport",
          "will be closed for a whole day."}},
        {Screens::BIRTH_IN_AIR,
         "Birth in air",
         {"The child was born", "during the flight.", "Passengers are pleased."}},
        {Screens::HEART_ATTACK,
         "Heart attack",
         {"One of passengers on", "@plane", "had a heart attack.", "It caused an emergency landing.",
          "Passengers are dissatisfied."}},
        {Screens::EMERGENCY_STATE,
         "Emergency state",
         {"State of emergency announced in", "@home", "All routes running through",
          "this airport have been closed."}},
        {Screens::ECONOMY_GROWS,
         "Economy grows",
         {"The economy is growing", "Maybe it's a good time", "to make some investments."}},
        {Screens::ECONOMY_FALLS,
         "Economy falls",
         {"The economy is falling down", "Manage your means wisely."}},
        {Screens::ECONOMY_LEVELS, "Economy levels out", {"The economy levels out."}},
    };

    int32_t covered = 0;
    for (int32_t n = Screens::FIRST_NOTICE; n <= Screens::LAST_NOTICE; ++n)
        covered += NoticeForm::IsInformational(n);
    EXPECT_EQ(static_cast<int32_t>(cases.size()), covered) << "every informational notice has a case";

    for (const InformationalCase& c : cases)
    {
        SCOPED_TRACE("notice " + std::to_string(c.notice));
        ASSERT_NE(nullptr, ScreenFactory::Find(c.notice)) << "the notice has a factory row";
        Enviroment::SetDialogAirport(homeDetails);
        Enviroment::SetDialogPlane(plane);
        Enviroment::SetDialogModel(model);
        Open(c.notice);
        ASSERT_EQ(c.notice, Shown());
        EXPECT_EQ(c.title, Title());
        std::vector<std::string> expected;
        for (const std::string& line : c.lines)
            expected.push_back(Expand(line, Place(home), plane->_name, figures._name));
        EXPECT_EQ(expected, Lines());
        const GfxButton* ok = Screen()->GetButton(NoticeForm::OK);
        ASSERT_NE(nullptr, ok);
        EXPECT_EQ(89, ok->GetX());
        EXPECT_EQ(189, ok->GetY());
        const int32_t count = static_cast<int32_t>(expected.size());
        EXPECT_GE(NoticeForm::LineY(0, count), NoticeForm::LINES_TOP) << "the lines start below the title band";
        EXPECT_LE(NoticeForm::LineY(count - 1, count) + NoticeForm::LINE_HEIGHT, ok->GetY())
            << "and end above the button";
        Press(NoticeForm::OK);
        EXPECT_EQ(Screens::PLANES, Shown()) << "Ok returns to the covered screen";
    }
}

TEST_F(NoticeTest, TheNewModelNoticeShowsMilesWhenTheOptionsSaySo)
{
    const int32_t model = FlyingModel();
    const PlaneModel figures = Enviroment::GetPlaneModel(model);
    GameOptions::SetKilometres(false);
    Enviroment::SetDialogModel(model);
    Open(Screens::NEW_MODEL);
    const std::vector<std::string> lines = Lines();
    GameOptions::SetKilometres(true);
    ASSERT_EQ(7u, lines.size());
    EXPECT_EQ("Speed: " + std::to_string(static_cast<int32_t>(figures._speed / 1.609)) + " mph", lines[4]);
    EXPECT_EQ("Range: " + std::to_string(static_cast<int32_t>(figures._range / 1.609)) + " miles", lines[5]);
}

// Each notice reads the slots when it opens: incidents at two airports, one
// after the other, show their own airport.
TEST_F(NoticeTest, IncidentsInARowEachShowTheirOwnAirport)
{
    const Time now = TimeSimulation::GetCurrGameTime();
    AirportDetails* other = company->Research(destination, true, now);
    ASSERT_NE(nullptr, other);
    Enviroment::SetDialogAirport(company->FindDetails(home));
    Open(Screens::THUNDERSTORM);
    EXPECT_EQ(Place(home), Lines().at(0));
    Press(NoticeForm::OK);
    Enviroment::SetDialogAirport(other);
    Open(Screens::THICK_FOG);
    ASSERT_EQ(Screens::THICK_FOG, Shown());
    EXPECT_EQ(Place(destination), Lines().at(0));
    Press(NoticeForm::OK);
    EXPECT_EQ(Screens::PLANES, Shown());
}

TEST_F(NoticeTest, AgencyOfferAcceptSignsTheTermsShownAndRejectLeavesTheRoute)
{
    for (const int32_t answer : {NoticeForm::REJECT, NoticeForm::ACCEPT})
    {
        SCOPED_TRACE(answer);
        Enviroment::SetDialogPlane(plane);
        Open(Screens::AGENCY_OFFER);
        ASSERT_EQ(Screens::AGENCY_OFFER, Shown());
        const NoticeActions::AgencyTerms terms =
            static_cast<AgencyOfferForm*>(navigation->GetScreen())->GetTerms();
        ASSERT_GE(terms.tickets, 5);
        const std::vector<std::string> lines = Lines();
        ASSERT_EQ(6u, lines.size());
        EXPECT_EQ(Place(home), lines[1]);
        EXPECT_EQ("buy " + std::to_string(terms.tickets) + " tickets for each flight", lines[4]);
        EXPECT_EQ("but they want " + std::to_string(terms.discount) + "% reduction.", lines[5]);
        Press(answer);
        EXPECT_EQ(Screens::PLANES, Shown());
        const Route* route = plane->GetRoute();
        if (answer == NoticeForm::REJECT)
        {
            EXPECT_FALSE(route->HasAgency());
            continue;
        }
        EXPECT_EQ(terms.tickets, route->_agency_tickets);
        EXPECT_EQ(terms.discount, route->_agency_reduction);
    }
}

TEST_F(NoticeTest, SmugglingRejectLeavesTheRouteCleanAndAcceptStoresTheTerms)
{
    Enviroment::SetDialogPlane(plane);
    Open(Screens::SMUGGLING_OFFER);
    ASSERT_EQ(Screens::SMUGGLING_OFFER, Shown());
    NoticeActions::SmugglingTerms terms =
        static_cast<SmugglingOfferForm*>(navigation->GetScreen())->GetTerms();
    EXPECT_EQ("paid: $ " + std::to_string(terms.payment), Lines().back());
    Press(NoticeForm::REJECT);
    EXPECT_FALSE(plane->GetRoute()->IsSmuggling());

    Open(Screens::SMUGGLING_OFFER);
    terms = static_cast<SmugglingOfferForm*>(navigation->GetScreen())->GetTerms();
    Press(NoticeForm::ACCEPT);
    EXPECT_TRUE(plane->GetRoute()->IsSmuggling());
    EXPECT_EQ(terms.payment, plane->GetRoute()->SmugglingPayment());
}

TEST_F(NoticeTest, DamageAsksWhenItCanBeRepairedAndOnlyTellsWhenItCannot)
{
    plane->_damaged = true;
    plane->_repair_cost = 5000;
    Enviroment::SetDialogPlane(plane);
    Open(Screens::PLANE_DAMAGE);
    EXPECT_EQ((std::vector<std::string>{"Plane Blue Heron", "has been damaged.", "Repair cost is:", "$ 5000",
                                        "Do you want to repair it?"}),
              Lines());
    Press(NoticeForm::NO);
    EXPECT_TRUE(plane->_damaged) << "No leaves the plane damaged";
    Open(Screens::PLANE_DAMAGE);
    const int64_t cash = company->GetCash();
    Press(NoticeForm::YES);
    EXPECT_FALSE(plane->_damaged);
    EXPECT_EQ(cash - 5000, company->GetCash());

    plane->_damaged = true;
    plane->_repair_cost = 5000;
    company->Spend(company->GetCash(), false);
    Open(Screens::PLANE_DAMAGE);
    EXPECT_EQ("Unfortunatelly, you can't afford", Lines().at(2));
    EXPECT_EQ(nullptr, Screen()->GetButton(NoticeForm::YES));
    Press(NoticeForm::OK);
    EXPECT_TRUE(plane->_damaged);
    EXPECT_EQ(Screens::PLANES, Shown());
}

TEST_F(NoticeTest, CrashShutDownRemovesThePlaneAndClosesItsRoute)
{
    Enviroment::SetDialogPlane(plane);
    Open(Screens::PLANE_CRASH);
    EXPECT_EQ((std::vector<std::string>{"Plane", "Blue Heron", "has just crashed.",
                                        "It will surely have impact on your", "company's reputation..."}),
              Lines());
    Press(NoticeForm::SHUT_DOWN);
    EXPECT_EQ(0, company->GetPlaneCount());
    EXPECT_FALSE(navigation->HasCurrentRoute());
    EXPECT_EQ(Screens::PLANES, Shown());
}

TEST_F(NoticeTest, CrashReplaceKeepsTheRouteWaitingForTheReplacementScreen)
{
    Enviroment::SetDialogPlane(plane);
    Open(Screens::PLANE_CRASH);
    Press(NoticeForm::REPLACE);
    EXPECT_EQ(0, company->GetPlaneCount());
    ASSERT_TRUE(navigation->IsRouteProvisional());
    EXPECT_EQ(1, navigation->GetCurrentRoute()->_replacement);
    EXPECT_EQ(destination, navigation->GetCurrentRoute()->_destination);
}

TEST_F(NoticeTest, FoodPoisoningOkPaysTheSettlementShown)
{
    plane->GetRoute()->_passengers_per_flight = 40;
    Enviroment::SetDialogPlane(plane);
    Open(Screens::FOOD_POISONING);
    const int64_t settlement = static_cast<FoodPoisoningForm*>(navigation->GetScreen())->GetSettlement();
    const int64_t passengers = std::min(40, plane->Capacity());
    EXPECT_EQ(passengers * 2500 * Enviroment::GetCostIndex() / 1000, settlement);
    EXPECT_EQ("$ " + std::to_string(settlement), Lines().at(4));
    const int64_t cash = company->GetCash();
    Press(NoticeForm::OK);
    EXPECT_EQ(cash - settlement, company->GetCash());
}

TEST_F(NoticeTest, CharityAssignsAFittingPlaneOrSaysNoneFits)
{
    AirportDetails* details = company->FindDetails(home);
    details->_event_state = AirportDetails::OFFER_CHARITY;
    details->_reserved_a = destination;
    details->_expiry_date = TimeSimulation::GetCurrGameTime().Add(0, 0, 5, 0, 0, 0);
    plane->_damaged = true;
    Enviroment::SetDialogAirport(details);
    Open(Screens::CHARITY_OFFER);
    EXPECT_EQ("Charity offer", Title());
    EXPECT_EQ(Place(destination), Lines().at(3));
    Press(NoticeForm::ASSIGN_PLANE);
    ASSERT_EQ(Screens::CHARITY_NO_PLANE, Shown()) << "a damaged plane does not fit";
    Press(NoticeForm::OK);
    ASSERT_EQ(Screens::CHARITY_OFFER, Shown()) << "back to the offer";

    plane->_damaged = false;
    Press(NoticeForm::ASSIGN_PLANE);
    ASSERT_EQ(Screens::CHARITY_ASSIGN, Shown());
    const auto* choice = dynamic_cast<PlaneChoiceForm*>(Screen());
    ASSERT_NE(nullptr, choice);
    ASSERT_EQ(1, choice->GetList()->GetCount());
    EXPECT_EQ(plane->_id, choice->GetChosenPlane());
    Press(NoticeForm::PROCEED);
    EXPECT_EQ(plane->_id, details->_event_mark);
    EXPECT_EQ(Screens::PLANES, Shown()) << "Proceed goes back past the offer";
}

// An offer left through the main menu comes back on Resume with the terms it
// showed, not with a fresh draw.
TEST_F(NoticeTest, AnOfferResumedFromTheMenuKeepsItsTerms)
{
    Enviroment::SetDialogPlane(plane);
    Open(Screens::AGENCY_OFFER);
    const std::vector<std::string> shown = Lines();
    for (int i = 0; i < 5; ++i)
    {
        navigation->GetScreen()->OnCommand(COMMAND_MAIN_MENU);
        Run("wait 100\n");
        ASSERT_EQ(app->GetMainMenu(), static_cast<Form*>(Form::GetActiveForm()));
        navigation->ResumeForm();
        navigation->Show();
        Run("wait 50\n");
        ASSERT_EQ(Screens::AGENCY_OFFER, Shown());
        EXPECT_EQ(shown, Lines());
    }
    Press(NoticeForm::ACCEPT);
    EXPECT_TRUE(plane->GetRoute()->HasAgency());
}

// A notice open when the program is left comes back after the restart about
// the same subject, and an offer with the same terms, which Accept then
// signs: nothing is drawn afresh and nothing is lost.
TEST_F(NoticeTest, ANoticeOpenWhenTheProgramIsLeftComesBackTheSameAfterARestart)
{
    struct Case
    {
        int32_t notice;
        bool offer;
    };
    const Case cases[] = {
        {Screens::AGENCY_OFFER, true},
        {Screens::SMUGGLING_OFFER, true},
        {Screens::STAFF_STRIKE, false},
        {Screens::NEW_MODEL, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.notice);
        Enviroment::SetDialogPlane(plane);
        Enviroment::SetDialogAirport(company->FindDetails(home));
        Enviroment::SetDialogModel(FlyingModel());
        Open(c.notice);
        ASSERT_EQ(c.notice, Shown());
        const std::vector<std::string> shown = Lines();
        app->GetMainMenu()->SetGameActive(true);
        Stop();
        Start();
        Run("wait 25\ntap 1 100\ntap 1 100\nwait 50\npress sr_Resume_button.bmp\nwait 100\n");
        navigation = app->GetMainMenu()->GetNavigation();
        company = Enviroment::GetCompany();
        plane = company->GetPlane(0);
        ASSERT_EQ(c.notice, Shown());
        EXPECT_EQ(shown, Lines());
        if (!c.offer)
        {
            Press(NoticeForm::OK);
            continue;
        }
        const int64_t cashBefore = company->GetCash();
        Press(NoticeForm::ACCEPT);
        EXPECT_EQ(cashBefore, company->GetCash());
        if (c.notice == Screens::AGENCY_OFFER)
        {
            EXPECT_EQ("buy " + std::to_string(plane->GetRoute()->_agency_tickets) + " tickets for each flight",
                      shown.at(4));
        }
        else
        {
            EXPECT_EQ("paid: $ " + std::to_string(plane->GetRoute()->SmugglingPayment()), shown.back());
        }
    }
}

// The plane screens warn before selling a plane down for a special flight:
// Cancel keeps the flight, Proceed gives it up and goes on to the sale. The
// route screens' notice frees the plane with Free.
TEST_F(NoticeTest, ProceedAndFreeGiveUpTheFlightCancelAndOkKeepIt)
{
    AirportDetails* details = company->FindDetails(home);
    details->_event_state = AirportDetails::OFFER_VIP;
    details->_reserved_a = destination;
    details->_expiry_date = TimeSimulation::GetCurrGameTime().Add(0, 0, 5, 0, 0, 0);
    ASSERT_TRUE(NoticeActions::AssignSpecialFlight(details, plane));
    Enviroment::SetDialogPlane(plane);

    Open(Screens::VIP_WARNING);
    EXPECT_EQ("Plane assigned", Title());
    const std::vector<std::string> warning = Lines();
    ASSERT_EQ(8u, warning.size());
    EXPECT_EQ((std::vector<std::string>{"a VIP flight", "from:", Place(home)}),
              std::vector<std::string>(warning.begin() + 1, warning.begin() + 4));
    EXPECT_EQ("won't be executed!", warning.back());
    Press(NoticeForm::CANCEL);
    EXPECT_EQ(plane->_id, details->_event_mark) << "Cancel keeps the flight";
    EXPECT_EQ(Screens::PLANES, Shown());

    Open(Screens::VIP_ASSIGNED);
    EXPECT_EQ(Place(destination), Lines().at(2));
    Press(NoticeForm::OK);
    EXPECT_EQ(plane->_id, details->_event_mark) << "Ok keeps the flight";
    Open(Screens::VIP_ASSIGNED);
    Press(NoticeForm::FREE);
    EXPECT_EQ(0, details->_event_mark) << "Free releases the plane";
    EXPECT_EQ(AirportDetails::OFFER_VIP, details->_event_state) << "the offer stays open";

    ASSERT_TRUE(NoticeActions::AssignSpecialFlight(details, plane));
    Open(Screens::VIP_WARNING);
    Press(NoticeForm::PROCEED);
    EXPECT_EQ(0, details->_event_mark) << "Proceed gives up the flight";
    EXPECT_EQ(Screens::SELL_PLANE, navigation->GetCurrentNumber()) << "and the sale goes on";
}
