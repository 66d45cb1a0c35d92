// The fleet and route screens driven through the real program: taps on the
// screens' own buttons and entries, keys, and the world they change.
#include "../../GameTestSupport.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/PlaneCrashEvent.h"
#include "Common/Backend/FleetRules.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/ScheduledEvent.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/DestinationAirportForm.h"
#include "Common/Gui/Forms/DistanceUnits.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "Common/Gui/Forms/LevelChoice.h"
#include "Common/Gui/Forms/ListSelection.h"
#include "Common/Gui/Forms/MainForm.h"
#include "Common/Gui/Forms/NoticeForm.h"
#include "Common/Gui/Forms/PlaneBuyingForm.h"
#include "Common/Gui/Forms/PlaneDetailsForm.h"
#include "Common/Gui/Forms/PlaneNameForm.h"
#include "Common/Gui/Forms/PlanesForm.h"
#include "Common/Gui/Forms/RepairPlaneCAForm.h"
#include "Common/Gui/Forms/RepairPlaneForm.h"
#include "Common/Gui/Forms/ReplacePlaneForm.h"
#include "Common/Gui/Forms/RouteEditForm.h"
#include "Common/Gui/Forms/RouteSettingsForm.h"
#include "Common/Gui/Forms/SellPlaneForm.h"
#include "Common/Gui/Forms/ShutDownForm.h"
#include "Common/Gui/Forms/StartingAirportForm.h"
#include "WinCE/UIControls/TextField.h"
#include "Wkr/Gui/GfxButton.h"

#include <string>
#include <vector>

using game_test::GameTest;

namespace
{
class FleetScreensTest : public GameTest
{
protected:
    void StartGame()
    {
        Start();
        Run("wait 25\ntap 1 100\ntap 1 100\n");
        GameState::NewGame("Audit Air", 7);
        app->GetMainMenu()->SetGameActive(true);
        home = company()->GetHomeAirport();
        // Plenty of money unless a test says otherwise.
        company()->Earn(50000000, false);
    }
    Company* company() const { return Enviroment::GetCompany(); }
    CentralFormChanger* nav() const { return app->GetMainMenu()->GetNavigation(); }
    SRForm* screen() const { return nav()->GetScreen(); }
    int32_t Number() const { return screen() ? screen()->GetNumber() : -1; }
    Time Now() const { return TimeSimulation::GetCurrGameTime(); }
    void Open(int32_t number)
    {
        nav()->ChangeForm(number);
        nav()->Show();
        Run("wait 75\n");
    }
    void Tap(int32_t x, int32_t y)
    {
        Run(("tap " + std::to_string(x) + " " + std::to_string(y + SYSTEM_BAR_HEIGHT) + "\nwait 75\n")
                .c_str());
    }
    // Taps the screen's button `id` where it stands.
    void Press(int32_t id)
    {
        ASSERT_NE(nullptr, screen());
        GfxButton* button = screen()->GetButton(id);
        ASSERT_NE(nullptr, button) << "screen " << Number() << " has no button " << id;
        ASSERT_TRUE(button->IsEnabled()) << "screen " << Number() << " button " << id;
        Tap(button->GetX() + 6, button->GetY() + 6);
    }
    // Opens the plane pop-up of the details screen and taps an entry.
    void Entry(PlaneDetailsForm::Entry entry)
    {
        ASSERT_EQ(Screens::PLANE_DETAILS, Number());
        Tap(PlaneDetailsForm::POPUP_X + 6, PlaneDetailsForm::POPUP_Y + 6);
        PopupMenu* popup = static_cast<PlaneDetailsForm*>(screen())->GetPopup();
        ASSERT_TRUE(popup->IsOpen());
        PopupItem* item = popup->GetItem(PlaneDetailsForm::ENTRIES - 1 - entry);
        ASSERT_FALSE(item->IsDisabled()) << "entry " << entry;
        Tap(item->GetX() + 10, item->GetY() + item->GetHeight() / 2);
    }
    static std::vector<std::string> Labels(const ItemListPanel* list)
    {
        std::vector<std::string> labels;
        for (int32_t i = 0; list && i < list->GetCount(); ++i)
            labels.push_back(static_cast<const ItemString*>(list->GetItem(i))->GetText());
        return labels;
    }
    // The model on sale that flies furthest.
    static int32_t LongestRangeModel()
    {
        int32_t best = -1;
        for (int32_t m = 0; m < AVAIL_MODELS; ++m)
        {
            if (FleetRules::IsOnSale(m) &&
                (best < 0 || Enviroment::GetPlaneModel(m)._range > Enviroment::GetPlaneModel(best)._range))
                best = m;
        }
        return best;
    }
    Plane* Bought(const std::string& name) { return company()->BuyPlane(LongestRangeModel(), name, Now()); }
    Plane* OnRoute(const std::string& name)
    {
        Plane* plane = Bought(name);
        const std::vector<int32_t> destinations = FleetRules::Destinations(*plane, home);
        EXPECT_FALSE(destinations.empty());
        FleetRules::SetUpRoute(plane, home, destinations.front(), 1, 1, Now());
        return plane;
    }
    // The plane's pending events of its flight cycle (check-in, departure,
    // landing, refuel): the first may have fired already while time ran.
    int32_t FlightCycleEvents(const Plane* plane) const
    {
        return PlaneEvents(plane, WorldEventHooks::CHECK_IN) +
               PlaneEvents(plane, WorldEventHooks::DEPARTURE) + PlaneEvents(plane, WorldEventHooks::LANDING) +
               PlaneEvents(plane, WorldEventHooks::REFUEL);
    }
    int32_t PlaneEvents(const Plane* plane, int32_t type) const
    {
        int32_t n = 0;
        for (int32_t i = 0; i < TimeSimulation::GetEventCount(); ++i)
        {
            const ScheduledEvent* event = TimeSimulation::GetEvent(i);
            n += event->GetType() == type && event->_plane == plane;
        }
        return n;
    }

    int32_t home = -1;
};
} // namespace

// A player's fleet through the screens alone: buy and name a plane, set up
// its route, edit it, repair the plane, hand the route to a second plane and
// sell that one.
TEST_F(FleetScreensTest, APlayerBuysNamesRoutesEditsRepairsReplacesAndSells)
{
    StartGame();
    Open(Screens::PLANES);
    Press(PlanesForm::BUY_NEW);
    ASSERT_EQ(Screens::PLANE_BUYING, Number());
    const int32_t wanted = LongestRangeModel();
    for (int32_t i = 0; i < AVAIL_MODELS && static_cast<PlaneBuyingForm*>(screen())->GetModel() != wanted;
         ++i)
        Press(PlaneBuyingForm::NEXT);
    ASSERT_EQ(wanted, static_cast<PlaneBuyingForm*>(screen())->GetModel());
    const std::vector<std::string> details = PlaneBuyingForm::DetailLines(wanted);
    ASSERT_EQ(7u, details.size());
    EXPECT_EQ(std::string("Model: ") + Enviroment::GetPlaneModel(wanted)._name, details[0]);
    EXPECT_EQ("Price: $" + std::to_string(Enviroment::GetPlaneModel(wanted)._price), details[1]);
    EXPECT_EQ("Approx. maintenance cost:", details[5]);
    EXPECT_EQ("$ " + std::to_string(Plane::MaintenanceEstimate(wanted)) + " / month", details[6]);

    Press(PlaneBuyingForm::BUY);
    ASSERT_EQ(Screens::PLANE_NAME, Number());
    TextField* field = static_cast<PlaneNameForm*>(screen())->GetField();
    EXPECT_EQ("Plane1", field->Text());
    EXPECT_EQ(0, field->GetSelectionStart());
    EXPECT_EQ(6, field->GetSelectionEnd()) << "fully selected: typing replaces it";
    Run("type Jumbo Jet Seven\nwait 50\n");
    EXPECT_EQ("Jumbo Jet Se", field->Text()) << "at most 12 characters";
    const int64_t cashBefore = company()->GetCash();
    Press(PlaneNameForm::OK);
    ASSERT_EQ(Screens::PLANE_DETAILS, Number());
    ASSERT_EQ(1, company()->GetPlaneCount());
    Plane* first = company()->GetPlane(0);
    EXPECT_EQ("Jumbo Jet Se", first->_name);
    EXPECT_EQ(first, nav()->GetCurrentPlane());
    EXPECT_EQ(cashBefore - Enviroment::GetPlaneModel(wanted)._price, company()->GetCash());
    EXPECT_EQ("Status: Not Assigned", PlaneDetailsForm::DetailLines(*first)[0]);

    // Set up: starting airport, destination with its cost, settings.
    Entry(PlaneDetailsForm::SET_UP);
    ASSERT_EQ(Screens::STARTING_AIRPORT, Number());
    EXPECT_EQ(std::vector<std::string>{ListSelection::AirportLabel(home)},
              Labels(static_cast<StartingAirportForm*>(screen())->GetList()));
    Press(StartingAirportForm::OK);
    ASSERT_EQ(Screens::DESTINATION_AIRPORT, Number());
    const std::vector<int32_t> destinations = FleetRules::Destinations(*first, home);
    ASSERT_GE(destinations.size(), 2u);
    auto* destinationForm = static_cast<DestinationAirportForm*>(screen());
    std::vector<std::string> expected;
    for (const int32_t airport : destinations)
        expected.push_back(ListSelection::AirportLabel(airport));
    EXPECT_EQ(expected, Labels(destinationForm->GetList()));
    EXPECT_EQ(Route::SetupCost(home, destinations[0]), destinationForm->GetSetupCost());
    Run("key down\nwait 50\n");
    EXPECT_EQ(Route::SetupCost(home, destinations[1]), destinationForm->GetSetupCost())
        << "the selected one's";
    Press(DestinationAirportForm::OK);
    ASSERT_EQ(Screens::ROUTE_SETTINGS, Number());
    auto* settings = static_cast<RouteSettingsForm*>(screen());
    EXPECT_EQ(Route::LEVEL_MEDIUM, settings->GetLevels()->GetPrice());
    EXPECT_EQ(Route::LEVEL_MEDIUM, settings->GetLevels()->GetService());
    settings->GetLevels()->ChooseService(Route::LEVEL_HIGH);
    const int64_t beforeRoute = company()->GetCash();
    Press(RouteSettingsForm::OK);
    ASSERT_EQ(Screens::PLANE_DETAILS, Number());
    ASSERT_TRUE(first->HasRoute());
    EXPECT_EQ(home, first->GetRoute()->_source);
    EXPECT_EQ(destinations[1], first->GetRoute()->_destination);
    EXPECT_EQ(Route::LEVEL_HIGH, first->GetRoute()->_service_level);
    EXPECT_EQ(beforeRoute - Route::SetupCost(home, destinations[1]), company()->GetCash());
    EXPECT_EQ(1, FlightCycleEvents(first));
    EXPECT_EQ(1, PlaneEvents(first, WorldEventHooks::ROUTE_COST));
    EXPECT_FALSE(nav()->HasCurrentRoute()) << "the provisional route is gone";

    // Edit: a lower ticket price.
    Entry(PlaneDetailsForm::EDIT);
    ASSERT_EQ(Screens::ROUTE_EDIT, Number());
    static_cast<RouteEditForm*>(screen())->GetLevels()->ChoosePrice(Route::LEVEL_LOW);
    Press(RouteEditForm::OK);
    ASSERT_EQ(Screens::PLANE_DETAILS, Number());
    EXPECT_EQ(Route::LEVEL_LOW, first->GetRoute()->_price_level);
    EXPECT_EQ(Route::LEVEL_HIGH, first->GetRoute()->_service_level);

    // Repair a damage.
    first->Damage();
    ASSERT_TRUE(first->_damaged);
    Run("wait 600\n");
    Entry(PlaneDetailsForm::REPAIR);
    ASSERT_EQ(Screens::REPAIR_PLANE, Number());
    const int64_t repair = first->_repair_cost;
    const int64_t beforeRepair = company()->GetCash();
    Press(RepairPlaneForm::YES);
    ASSERT_EQ(Screens::PLANE_DETAILS, Number());
    EXPECT_FALSE(first->_damaged);
    EXPECT_EQ(beforeRepair - repair, company()->GetCash());

    // A second plane takes the route over from the route edit screen.
    Press(PlaneDetailsForm::OK);
    ASSERT_EQ(Screens::PLANES, Number());
    Press(PlanesForm::BUY_NEW);
    Press(PlaneBuyingForm::BUY);
    Press(PlaneNameForm::OK);
    ASSERT_EQ(2, company()->GetPlaneCount());
    Plane* second = company()->GetPlane(1);
    EXPECT_EQ("Plane2", second->_name);
    nav()->SetCurrentPlane(first);
    Open(Screens::ROUTE_EDIT);
    Press(RouteEditForm::REPLACE);
    ASSERT_EQ(Screens::REPLACE_PLANE, Number());
    const ItemListPanel* candidates = static_cast<ReplacePlaneForm*>(screen())->GetList();
    EXPECT_EQ(
        std::vector<std::string>{"Plane2, " + std::string(Enviroment::GetPlaneModel(second->_model)._name)},
        Labels(candidates));
    Press(ReplacePlaneForm::OK);
    ASSERT_EQ(Screens::PLANE_DETAILS, Number());
    EXPECT_FALSE(first->HasRoute());
    ASSERT_TRUE(second->HasRoute());
    EXPECT_EQ(Route::LEVEL_LOW, second->GetRoute()->_price_level) << "the route keeps its settings";
    EXPECT_EQ(second, nav()->GetCurrentPlane());
    EXPECT_EQ(0, PlaneEvents(first, WorldEventHooks::ROUTE_COST));
    EXPECT_EQ(1, PlaneEvents(second, WorldEventHooks::ROUTE_COST));

    // Sell it: the warning about the route, then the sale.
    Entry(PlaneDetailsForm::SELL);
    ASSERT_EQ(Screens::SELL_PLANE, Number());
    const std::vector<std::string> lines = SellPlaneForm::Lines(second);
    ASSERT_EQ(5u, lines.size());
    EXPECT_EQ("$ " + std::to_string(second->Value(Now())), lines[1]);
    EXPECT_EQ("Selling the plane entails", lines[2]);
    Press(SellPlaneForm::YES);
    ASSERT_EQ(Screens::PLANES, Number());
    EXPECT_EQ(1, company()->GetPlaneCount());
    EXPECT_EQ(0, company()->FindDetails(home)->RoutesOut());
}

TEST_F(FleetScreensTest, TheMarketOffersOnlyWhatTheCashBuys)
{
    StartGame();
    for (int32_t m = 0; m < AVAIL_MODELS; ++m)
        Enviroment::SetModelAvailability(m,
                                         m == 30 ? Enviroment::MODEL_ON_SALE : Enviroment::MODEL_WITHDRAWN);
    Open(Screens::PLANE_BUYING);
    auto* market = static_cast<PlaneBuyingForm*>(screen());
    EXPECT_EQ(30, market->GetModel());
    Press(PlaneBuyingForm::NEXT);
    EXPECT_EQ(30, market->GetModel()) << "one model on sale stays put";
    Press(PlaneBuyingForm::PREVIOUS);
    EXPECT_EQ(30, market->GetModel());

    const int64_t price = Enviroment::GetPlaneModel(30)._price;
    company()->Spend(company()->GetCash() - price, false);
    Run("wait 50\n");
    EXPECT_TRUE(market->GetButton(PlaneBuyingForm::BUY)->IsEnabled()) << "a price equal to the cash";
    company()->Spend(1, false);
    Run("wait 50\n");
    EXPECT_FALSE(market->GetButton(PlaneBuyingForm::BUY)->IsEnabled());
    Press(PlaneBuyingForm::CANCEL);
    EXPECT_EQ(Screens::PLANES, Number()) << "no route to replace: back to the list";
}

TEST_F(FleetScreensTest, DistancesFollowTheUnitOption)
{
    const struct
    {
        bool kilometres;
        int64_t km;
        const char* range;
        const char* speed;
    } cases[] = {
        {false, 1609, "Range: 1000 miles", "Speed: 1000 mph"},
        {false, 1608, "Range: 999 miles", "Speed: 999 mph"},
        {true, 1609, "Range: 1609 km", "Speed: 1609 km/h"},
        {false, 0, "Range: 0 miles", "Speed: 0 mph"},
    };
    for (const auto& c : cases)
    {
        GameOptions::SetKilometres(c.kilometres);
        EXPECT_EQ(c.range, DistanceUnits::RangeText(c.km));
        EXPECT_EQ(c.speed, DistanceUnits::SpeedText(static_cast<int32_t>(c.km)));
    }
    GameOptions::Reset();
}

// The route of a crashed plane waits for a replacement: bought on the market
// it flies again; abandoned it closes at its airports.
TEST_F(FleetScreensTest, ReplacingACrashedPlaneBuysOneForItsRoute)
{
    StartGame();
    Plane* crashed = OnRoute("Doomed");
    const int32_t destination = crashed->GetRoute()->_destination;
    nav()->SetProvisionalRoute(company()->RemoveCrashedPlane(crashed, true, Now()));
    Open(Screens::REPLACE_PLANE);
    EXPECT_TRUE(Labels(static_cast<ReplacePlaneForm*>(screen())->GetList()).empty());
    EXPECT_FALSE(screen()->GetButton(ReplacePlaneForm::OK)->IsEnabled());
    Press(ReplacePlaneForm::BUY);
    ASSERT_EQ(Screens::PLANE_BUYING, Number());
    Press(PlaneBuyingForm::CANCEL);
    ASSERT_EQ(Screens::REPLACE_PLANE, Number()) << "replace mode: Cancel goes back";
    Press(ReplacePlaneForm::BUY);
    Press(PlaneBuyingForm::BUY);
    Press(PlaneNameForm::OK);
    ASSERT_EQ(Screens::PLANE_DETAILS, Number());
    ASSERT_EQ(1, company()->GetPlaneCount());
    Plane* replacement = company()->GetPlane(0);
    ASSERT_TRUE(replacement->HasRoute());
    EXPECT_EQ(destination, replacement->GetRoute()->_destination);
    EXPECT_EQ(0, replacement->GetRoute()->_replacement);
    EXPECT_EQ(1, replacement->_running);
    EXPECT_EQ(1, FlightCycleEvents(replacement));
    EXPECT_EQ(1, company()->FindDetails(home)->RoutesOut()) << "still one route";
    EXPECT_FALSE(nav()->HasCurrentRoute());

    // The next crash is not replaced: the route closes.
    nav()->SetProvisionalRoute(company()->RemoveCrashedPlane(replacement, true, Now()));
    Open(Screens::REPLACE_PLANE);
    Press(ReplacePlaneForm::CANCEL);
    EXPECT_EQ(Screens::PLANES, Number());
    EXPECT_EQ(0, company()->FindDetails(home)->RoutesOut());
    EXPECT_FALSE(nav()->HasCurrentRoute());
}

TEST_F(FleetScreensTest, ABoundRouteIsNeitherSoldNorShutWithoutItsWarning)
{
    StartGame();
    Plane* plane = OnRoute("Bound");
    const struct
    {
        int32_t hold;
        int32_t sale;
        int32_t shutDown;
    } cases[] = {
        {Route::HOLD_CHARITY, Screens::CHARITY_WARNING, Screens::CHARITY_WARNING_2},
        {Route::HOLD_VIP, Screens::VIP_WARNING, Screens::VIP_WARNING_2},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.sale);
        plane->GetRoute()->_hold[0] = plane->GetRoute()->_hold[1] = 0;
        plane->GetRoute()->_hold[c.hold] = 1;
        Enviroment::SetDialogPlane(nullptr);
        nav()->SetCurrentPlane(plane);
        Open(Screens::PLANE_DETAILS);
        Entry(PlaneDetailsForm::SELL);
        EXPECT_EQ(c.sale, nav()->GetCurrentNumber());
        EXPECT_EQ(plane, Enviroment::GetDialogPlane()) << "the warning reads its plane";
        Open(Screens::PLANE_DETAILS);
        Entry(PlaneDetailsForm::SHUT_DOWN);
        EXPECT_EQ(c.shutDown, nav()->GetCurrentNumber());
        // The confirmations themselves refuse too.
        Open(Screens::SELL_PLANE);
        Press(SellPlaneForm::YES);
        EXPECT_EQ(c.sale, nav()->GetCurrentNumber());
        Open(Screens::SHUT_DOWN);
        Press(ShutDownForm::YES);
        EXPECT_EQ(c.shutDown, nav()->GetCurrentNumber());
        Open(Screens::ROUTE_EDIT);
        Press(RouteEditForm::SHUT_DOWN);
        EXPECT_EQ(c.shutDown, nav()->GetCurrentNumber());
        ASSERT_EQ(1, company()->GetPlaneCount());
        EXPECT_TRUE(plane->HasRoute());
    }
    // Free again, the shut-down goes through.
    plane->GetRoute()->_hold[0] = plane->GetRoute()->_hold[1] = 0;
    Open(Screens::PLANE_DETAILS);
    Entry(PlaneDetailsForm::SHUT_DOWN);
    ASSERT_EQ(Screens::SHUT_DOWN, Number());
    Press(ShutDownForm::YES);
    EXPECT_EQ(Screens::PLANE_DETAILS, Number());
    EXPECT_FALSE(plane->HasRoute());
    EXPECT_EQ(0, company()->FindDetails(home)->RoutesOut());
}

TEST_F(FleetScreensTest, RepairGoesWhereThePriceAndTheSparePartsAllow)
{
    StartGame();
    Plane* plane = Bought("Patched");
    plane->Damage();
    const int64_t cost = plane->_repair_cost;
    const struct
    {
        const char* what;
        int64_t cash;
        uint8_t availability;
        int32_t screen;
        const char* firstLine;
    } cases[] = {
        {"affordable", cost + 1, Enviroment::MODEL_ON_SALE, Screens::REPAIR_PLANE, nullptr},
        {"a price equal to the cash", cost, Enviroment::MODEL_ON_SALE, Screens::REPAIR_PLANE, nullptr},
        {"withdrawn but serviced", cost, Enviroment::MODEL_WITHDRAWN, Screens::REPAIR_PLANE, nullptr},
        {"one dollar short", cost - 1, Enviroment::MODEL_ON_SALE, Screens::REPAIR_CANNOT_AFFORD,
         "You can't afford it!"},
        {"no spare parts", cost, Enviroment::MODEL_UNSERVICED, Screens::REPAIR_CANNOT_AFFORD,
         "This model was withdrawn from"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        company()->Spend(company()->GetCash() - c.cash, false);
        Enviroment::SetModelAvailability(plane->_model, c.availability);
        EXPECT_EQ(c.screen, PlaneDetailsForm::Target(PlaneDetailsForm::REPAIR, *plane));
        nav()->SetCurrentPlane(plane);
        Open(Screens::PLANE_DETAILS);
        Entry(PlaneDetailsForm::REPAIR);
        ASSERT_EQ(c.screen, Number());
        if (c.firstLine)
        {
            EXPECT_EQ(c.firstLine, RepairPlaneCAForm::Lines(plane).front());
        }
        if (c.cash < cost)
        {
            EXPECT_EQ("$ " + std::to_string(cost), RepairPlaneCAForm::Lines(plane).back())
                << "the price it lacks";
        }
    }
    Press(RepairPlaneCAForm::OK);
    EXPECT_EQ(Screens::PLANE_DETAILS, Number());
    EXPECT_TRUE(plane->_damaged) << "nothing repaired";
}

TEST_F(FleetScreensTest, StartingAndDestinationAirportsFollowTheRules)
{
    StartGame();
    Plane* plane = Bought("Explorer");
    nav()->SetCurrentPlane(plane);
    // Without an open airport to start from, 18 is a notice.
    company()->FindDetails(home)->Close(AirportDetails::CLOSED_STRIKE);
    Open(Screens::STARTING_AIRPORT);
    ASSERT_EQ(Screens::STARTING_AIRPORT, Number());
    EXPECT_EQ(nullptr, static_cast<StartingAirportForm*>(screen())->GetList());
    EXPECT_STREQ("There are no starting airports", screen()->GetLayout().texts[0].text);
    Press(StartingAirportForm::OK);
    EXPECT_EQ(Screens::PLANE_DETAILS, Number());

    // Every neighbour closed: no destination, and 20 drops the route.
    company()->FindDetails(home)->Reopen();
    for (int32_t slot = 0; slot < AirportDetails::NEIGHBOURS; ++slot)
    {
        const int32_t neighbour = Enviroment::GetNeighbour(home, slot);
        if (neighbour >= 0)
            company()->Research(neighbour, true, Now())->Close(AirportDetails::CLOSED_FOG);
    }
    Open(Screens::STARTING_AIRPORT);
    auto* start = static_cast<StartingAirportForm*>(screen());
    std::vector<std::string> expected;
    for (const int32_t airport : FleetRules::StartingAirports())
        expected.push_back(ListSelection::AirportLabel(airport));
    EXPECT_EQ(expected, Labels(start->GetList()));
    EXPECT_EQ(1u, expected.size()) << "the closed neighbours do not start routes either";
    Press(StartingAirportForm::OK);
    ASSERT_EQ(Screens::NO_DESTINATION, Number());
    Press(0);
    EXPECT_EQ(Screens::PLANE_DETAILS, Number());
    EXPECT_FALSE(nav()->HasCurrentRoute());
    EXPECT_FALSE(plane->HasRoute());
}

TEST_F(FleetScreensTest, ThePlanesListRemembersItsFirstRowAndFollowsTheFleet)
{
    StartGame();
    const int32_t cheapest = Enviroment::CheapestModelFor(0);
    company()->Earn(30 * Enviroment::GetPlaneModel(cheapest)._price, false);
    for (int32_t i = 0; i < 30; ++i)
        ASSERT_NE(nullptr, company()->BuyPlane(cheapest, "P" + std::to_string(i), Now()));
    Open(Screens::PLANES);
    auto* list = static_cast<PlanesForm*>(screen())->GetList();
    ASSERT_EQ(30, list->GetCount());
    list->SetFirst(12);
    static_cast<PlanesForm*>(screen())->ChoosePlane(14);
    Run("wait 75\n");
    ASSERT_EQ(Screens::PLANE_DETAILS, Number());
    EXPECT_EQ(company()->GetPlane(14), nav()->GetCurrentPlane());
    Press(PlaneDetailsForm::OK);
    ASSERT_EQ(Screens::PLANES, Number());
    list = static_cast<PlanesForm*>(screen())->GetList();
    EXPECT_EQ(12, list->GetFirst()) << "the first row in view is kept";
    // A plane sold while the list is shown leaves it at the next refresh.
    company()->SellPlane(company()->GetPlane(3), Now());
    TimeSimulation::SetSpeed(60);
    Run("wait 600\n");
    EXPECT_EQ(29, list->GetCount());
}

// The crash notice's Replace leads to the replacement screen; a new plane
// bought there flies the crashed plane's route.
TEST_F(FleetScreensTest, FromTheCrashNoticeANewPlaneTakesTheRoute)
{
    StartGame();
    Plane* crashed = OnRoute("Doomed");
    Bought("Spare")->_damaged = 1; // a damaged plane cannot take the route
    const int32_t destination = crashed->GetRoute()->_destination;
    Open(Screens::PLANES);
    PlaneCrashEvent crash;
    crash._plane = crashed;
    crash.Execute();
    Run("wait 75\n");
    ASSERT_EQ(Screens::PLANE_CRASH, Number());
    Press(NoticeForm::REPLACE);
    ASSERT_EQ(Screens::REPLACE_PLANE, Number());
    EXPECT_TRUE(Labels(static_cast<ReplacePlaneForm*>(screen())->GetList()).empty());
    Press(ReplacePlaneForm::BUY);
    Press(PlaneBuyingForm::BUY);
    Press(PlaneNameForm::OK);
    ASSERT_EQ(Screens::PLANE_DETAILS, Number());
    Plane* replacement = nav()->GetCurrentPlane();
    ASSERT_NE(nullptr, replacement);
    EXPECT_EQ(nullptr, company()->FindPlane(1)) << "the crashed plane is gone";
    ASSERT_TRUE(replacement->HasRoute());
    EXPECT_EQ(destination, replacement->GetRoute()->_destination);
    EXPECT_EQ(1, company()->FindDetails(home)->RoutesOut());
    EXPECT_EQ(1, FlightCycleEvents(replacement));
}

// Past the warning, Proceed gives the special flight up and the sale goes on.
TEST_F(FleetScreensTest, ProceedingPastTheWarningSellsTheBoundPlane)
{
    StartGame();
    Plane* plane = OnRoute("Charity");
    AirportDetails* details = company()->FindDetails(home);
    details->_event_state = AirportDetails::OFFER_CHARITY;
    details->_reserved_a = plane->GetRoute()->_destination;
    ASSERT_TRUE(NoticeActions::AssignSpecialFlight(details, plane));
    nav()->SetCurrentPlane(plane);
    Open(Screens::PLANE_DETAILS);
    Entry(PlaneDetailsForm::SELL);
    ASSERT_EQ(Screens::CHARITY_WARNING, Number());
    Press(NoticeForm::PROCEED);
    ASSERT_EQ(Screens::SELL_PLANE, Number());
    EXPECT_EQ(FleetRules::Contract::NONE, FleetRules::BindingContract(*plane));
    Press(SellPlaneForm::YES);
    EXPECT_EQ(Screens::PLANES, Number());
    EXPECT_EQ(0, company()->GetPlaneCount());
    EXPECT_EQ(0, details->_event_mark) << "the offer no longer names the plane";
}

// The same road as a headless script reads it: buttons pressed by their
// bitmaps, rows chosen by their labels, and the screens' texts expected.
TEST_F(FleetScreensTest, AScriptBuysRoutesEditsAndSellsThroughTheScreens)
{
    StartGame();
    for (int32_t m = 0; m < AVAIL_MODELS; ++m)
    {
        if (m != LongestRangeModel())
            Enviroment::SetModelAvailability(m, Enviroment::MODEL_WITHDRAWN);
    }
    const int32_t model = LongestRangeModel();
    const PlaneModel info = Enviroment::GetPlaneModel(model);
    Open(Screens::PLANES);
    const Plane probe(model, "probe", Now(), 0);
    const std::vector<int32_t> destinations = FleetRules::Destinations(probe, home);
    ASSERT_GE(destinations.size(), 2u);
    const std::string script = "press sr_BuyNew_button.bmp\nwait 100\n"
                               "expect Choose model:\n"
                               "expect Model: " +
                               std::string(info._name) +
                               "\n"
                               "expect " +
                               DistanceUnits::RangeText(info._range) +
                               "\n"
                               "press sr_Buy_button.bmp\nwait 100\n"
                               "expect Give this plane a name:\n"
                               "type Skylark\nwait 50\n"
                               "press sr_Ok_button.bmp\nwait 100\n"
                               "expect Status: Not Assigned\n"
                               "expect No. of damages: 0\n"
                               "press sr_Opts_button.bmp\nwait 50\n"
                               "press sr_Popup7SetUp_button.bmp\nwait 100\n"
                               "expect Select starting airport:\n"
                               "choose " +
                               ListSelection::AirportLabel(home) +
                               // A tap on the row already selected chooses it.
                               "\nwait 100\n"
                               "expect Setup cost:\n"
                               "expect $ " +
                               std::to_string(Route::SetupCost(home, destinations[0])) +
                               "\n"
                               "choose " +
                               ListSelection::AirportLabel(destinations[1]) +
                               "\nwait 100\n"
                               "expect $ " +
                               std::to_string(Route::SetupCost(home, destinations[1])) +
                               "\n"
                               "press sr_Ok_button.bmp\nwait 100\n"
                               "expect Ticket price:\n"
                               "expect " +
                               ListSelection::AirportLabel(destinations[1]) +
                               "\n"
                               "press sr_Ok_button.bmp\nwait 100\n"
                               "press sr_Opts_button.bmp\nwait 50\n"
                               "press sr_Popup7Edit_button.bmp\nwait 100\n"
                               "expect Service level:\n"
                               "press sr_Ok_button.bmp\nwait 100\n"
                               "press sr_Opts_button.bmp\nwait 50\n"
                               "press sr_Popup7Sell_button.bmp\nwait 100\n"
                               "expect Selling the plane entails\n"
                               "expect route closure.\n"
                               "press sr_Yes_button.bmp\nwait 100\n"
                               "expect List of your planes:\n";
    Run(script.c_str());
    EXPECT_EQ(0, company()->GetPlaneCount());
    EXPECT_EQ(2, company()->NextPlaneId()) << "one plane was bought";
    EXPECT_EQ(0, company()->FindDetails(home)->RoutesOut());
}

// The contract icon of the route edit screen opens its contract's notice.
TEST_F(FleetScreensTest, TheRouteEditIconOpensTheContractNotice)
{
    StartGame();
    Plane* plane = OnRoute("Agency");
    const struct
    {
        const char* what;
        int32_t tickets;
        int32_t hold;
        int32_t notice;
    } cases[] = {
        {"no contract", 0, -1, 0},
        {"a travel agency", 10, -1, Screens::CONTRACT_INFO},
        {"a charity flight first", 10, Route::HOLD_CHARITY, Screens::CHARITY_ASSIGNED},
        {"a VIP flight", 0, Route::HOLD_VIP, Screens::VIP_ASSIGNED},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        Route* route = plane->GetRoute();
        route->SetAgency(c.tickets, c.tickets ? 5 : 0);
        route->_hold[0] = route->_hold[1] = 0;
        if (c.hold >= 0)
            route->_hold[c.hold] = 1;
        EXPECT_EQ(c.notice, RouteEditForm::ContractNotice(*plane));
        nav()->SetCurrentPlane(plane);
        Open(Screens::ROUTE_EDIT);
        Enviroment::SetDialogPlane(nullptr);
        Tap(RouteEditForm::ICON_X + RouteEditForm::ICON_SIZE / 2,
            RouteEditForm::ICON_Y + RouteEditForm::ICON_SIZE / 2);
        EXPECT_EQ(c.notice ? c.notice : Screens::ROUTE_EDIT, nav()->GetCurrentNumber());
        EXPECT_EQ(c.notice ? plane : nullptr, Enviroment::GetDialogPlane());
    }
}
