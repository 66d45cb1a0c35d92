#include "PlayerBot.h"

#include "Common/Backend/Notices.h"
#include "WinCE/Host/HostScript.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <set>
#include <sstream>
#include <utility>

namespace
{
// The idle steps after a press or a key, long enough for the navigation
// form to build the next screen and for that screen to paint.
constexpr const char* SETTLE = "wait 75";

// The cash the bot keeps before it spends on advertising or an office.
constexpr int64_t ADVERTISING_CASH = 2000000;
constexpr int64_t OFFICE_CASH = 5000000;
// A careful player flies only where the demand fills this share of the seats.
constexpr double MIN_FILL = 0.6;
// A plane this old, or damaged this often, is sold.
constexpr int64_t WORN_AGE = 15;
constexpr int64_t WORN_DAMAGES = 10;

const ScreenDump::Button* FindButton(const ScreenDump& screen, const std::string& bitmap)
{
    for (const ScreenDump::Button& button : screen.buttons)
    {
        if (button.bitmap == bitmap)
            return &button;
    }
    return nullptr;
}

bool Offers(const ScreenDump& screen, const std::string& bitmap)
{
    const ScreenDump::Button* button = FindButton(screen, bitmap);
    return button && button->enabled;
}

bool IsGameOver(int32_t number)
{
    return number >= Screens::GAME_OVER_RETIRED && number <= Screens::GAME_OVER_LAST_PLANE;
}
} // namespace

PlayerBot::PlayerBot(HostScript& script) : _script(&script)
{
}

ScreenDump PlayerBot::Look() const
{
    return _script->Describe();
}

bool PlayerBot::Do(const std::string& lines)
{
    std::istringstream in(lines);
    std::string line;
    while (std::getline(in, line))
    {
        std::string error;
        if (!_script->Execute(line, &error))
        {
            _failure = line + ": " + error;
            return false;
        }
    }
    return true;
}

bool PlayerBot::Settle()
{
    if (!Do(SETTLE))
        return false;
    Observe(Look());
    return true;
}

bool PlayerBot::Press(const std::string& bitmap)
{
    return Do("press " + bitmap) && Settle();
}

bool PlayerBot::PressInTurn(const ScreenDump& screen, int32_t notice,
                            std::initializer_list<const char*> choices)
{
    int offered = 0;
    for (const char* choice : choices)
        offered += Offers(screen, choice) ? 1 : 0;
    if (offered == 0)
    {
        _failure = "notice " + std::to_string(notice) + " offers none of the expected buttons";
        return false;
    }
    // A careful player always gives the first answer the notice offers.
    int turn = _careful ? 0 : _answered[notice] % offered;
    for (const char* choice : choices)
    {
        if (!Offers(screen, choice) || turn-- > 0)
            continue;
        ++_answered[notice];
        ++_answers[std::to_string(notice) + " " + choice];
        return Press(choice);
    }
    return false;
}

bool PlayerBot::PickRow(const std::string& label)
{
    // A row already selected is picked by its first tap, another by its
    // second; the screen moving on shows the row was picked.
    const int32_t shown = Look().screen;
    for (int tap = 0; tap < 2 && Look().screen == shown; ++tap)
    {
        if (!Do("choose " + label) || !Settle())
            return false;
    }
    return true;
}

bool PlayerBot::BuyReplacement(const ScreenDump& screen)
{
    // The model shown first may be out of reach or of range: the next ones
    // are looked at, once round the market, before giving the purchase up.
    if (Offers(screen, "sr_Buy_button.bmp"))
    {
        _modelsLookedAt = 0;
        return Press("sr_Buy_button.bmp");
    }
    if (++_modelsLookedAt < 120 && Offers(screen, "sr_NextCont_button.bmp"))
        return Press("sr_NextCont_button.bmp");
    _modelsLookedAt = 0;
    _replacementGivenUp = true;
    return Press("sr_Cancel_button.bmp");
}

bool PlayerBot::Answer(const ScreenDump& screen)
{
    const int32_t number = screen.screen;
    switch (number)
    {
    case Screens::PLANE_DAMAGE:
        return PressInTurn(screen, number, {"sr_Yes_button.bmp", "sr_No_button.bmp", "sr_Ok_button.bmp"});
    case Screens::PLANE_CRASH:
        return PressInTurn(screen, number, {"sr_Replace_button.bmp", "sr_ShutDown_button.bmp"});
    case Screens::SMUGGLING_OFFER:
        if (_careful)
            return PressInTurn(screen, number, {"sr_Reject_button.bmp"});
        return PressInTurn(screen, number, {"sr_Accept_button.bmp", "sr_Reject_button.bmp"});
    case Screens::AGENCY_OFFER:
        return PressInTurn(screen, number, {"sr_Accept_button.bmp", "sr_Reject_button.bmp"});
    case Screens::CHARITY_OFFER:
    case Screens::VIP_OFFER:
        // "No free plane" leads back to the offer: it is then let pass.
        if (std::exchange(_noFreePlane, false))
            return PressInTurn(screen, number, {"sr_Ok_button.bmp"});
        return PressInTurn(screen, number, {"sr_AssignPlane_button.bmp", "sr_Ok_button.bmp"});
    case Screens::CHARITY_NO_PLANE:
    case Screens::VIP_NO_PLANE:
        _noFreePlane = true;
        return PressInTurn(screen, number, {"sr_Ok_button.bmp"});
    case Screens::CHARITY_ASSIGN:
    case Screens::VIP_ASSIGN:
        // The first plane that fits flies; with none listed the flight is
        // given up.
        ++_answered[number];
        if (!screen.items.empty() && PickRow(screen.items.front().label) &&
            Offers(Look(), "sr_Proceed_button.bmp"))
            return Press("sr_Proceed_button.bmp");
        return Press("sr_Cancel_button.bmp");
    case Screens::REPLACE_PLANE:
        // A plane of the fleet without a route takes the crashed plane's
        // route; otherwise a new one is bought for it.
        // When no model could be bought the route is given up.
        if (std::exchange(_replacementGivenUp, false))
            return Press("sr_Cancel_button.bmp");
        if (!screen.items.empty())
        {
            if (!Do("choose " + screen.items.front().label) || !Settle())
                return false;
            if (Look().screen != Screens::REPLACE_PLANE)
                return true;
            if (Offers(Look(), "sr_Ok_button.bmp"))
                return Press("sr_Ok_button.bmp");
        }
        return Press(Offers(screen, "sr_Buy_button.bmp") ? "sr_Buy_button.bmp" : "sr_Cancel_button.bmp");
    case Screens::PLANE_BUYING:
        return BuyReplacement(screen);
    case Screens::PLANE_NAME:
        return Do("type Phoenix " + std::to_string(++_planesBought)) && Press("sr_Ok_button.bmp");
    case Screens::PLANE_DETAILS:
        return Press("sr_Ok_button.bmp");
    default:
        break;
    }
    // The bank's questions and every notice that only informs have one Ok;
    // so does the end of the game.
    const bool notice = number >= Screens::FIRST_NOTICE && number <= Screens::LAST_NOTICE;
    if ((notice || number == Screens::CHANGE_RATE || number == Screens::CREDIT_FINE || IsGameOver(number)) &&
        Offers(screen, "sr_Ok_button.bmp"))
    {
        ++_answered[number];
        ++_answers[std::to_string(number) + " sr_Ok_button.bmp"];
        return Press("sr_Ok_button.bmp");
    }
    return false;
}

bool PlayerBot::SkipToNextNotice(const ScreenDump& screen)
{
    if (!screen.topBar.shown)
        return false;
    return Do("key start") && Settle();
}

bool PlayerBot::Go(const char* entry)
{
    return Pick("sr_Go_button.bmp", entry);
}

bool PlayerBot::Pick(const char* popup, const char* entry)
{
    if (!Do(std::string("press ") + popup) || !Do("wait 50"))
        return false;
    if (Offers(Look(), entry))
        return Press(entry);
    // The screen's own entry is disabled: the bot is there already.
    return Do(std::string("press ") + popup) && Do("wait 50");
}

int64_t PlayerBot::Figure(const ScreenDump& screen, const std::string& prefix)
{
    for (const ScreenDump::Text& text : screen.texts)
    {
        if (text.text.compare(0, prefix.size(), prefix) != 0)
            continue;
        const size_t digit = text.text.find_first_of("0123456789", prefix.size());
        if (digit == std::string::npos)
            return -1;
        return std::stoll(text.text.substr(digit));
    }
    return -1;
}

int32_t PlayerBot::Year(const ScreenDump& screen)
{
    // The date ends with the year whatever the locale's order of the rest.
    const std::string& date = screen.topBar.date;
    if (!screen.topBar.shown || date.size() < 4)
        return 0;
    return std::atoi(date.substr(date.size() - 4).c_str());
}

bool PlayerBot::StartNewGame(const std::string& company, const std::string& home)
{
    if (!Press("sr_NewGame_button.bmp"))
        return false;
    // With a game on, the menu asks first whether to give it up.
    if (Look().screen == Screens::NEW_GAME && !Press("sr_Yes_button.bmp"))
        return false;
    if (!Do("type " + company) || !Press("sr_Ok_button.bmp"))
        return false;
    ScreenDump screen = Look();
    std::string row = screen.items.empty() ? std::string() : screen.items.front().label;
    for (const ScreenDump::Item& item : screen.items)
    {
        if (item.label == home)
            row = home;
    }
    if (!PickRow(row))
        return false;
    _home = row;
    return Look().screen == Screens::PLANES;
}

bool PlayerBot::Resume()
{
    return Press("sr_Resume_button.bmp");
}

bool PlayerBot::BuyPlaneOnRoute()
{
    if (!ReadDemand() || !Go("sr_Popup1Planes_button.bmp") || !Press("sr_BuyNew_button.bmp"))
        return false;
    // Once round the market (the list wraps round), noting the model and
    // destination that return most on the price, then forward again to it.
    const auto modelShown = [this]
    {
        for (const ScreenDump::Text& text : Look().texts)
        {
            if (text.text.rfind("Model:", 0) == 0)
                return text.text;
        }
        return std::string();
    };
    const std::string first = modelShown();
    int best = -1;
    double bestReturn = 0;
    for (int model = 0; model < 120; ++model)
    {
        const ScreenDump screen = Look();
        const double price = static_cast<double>(Figure(screen, "Price:"));
        const double seats = static_cast<double>(Figure(screen, "Capacity:"));
        const double speed = static_cast<double>(Figure(screen, "Speed:"));
        const double range = static_cast<double>(Figure(screen, "Range:"));
        if (Offers(screen, "sr_Buy_button.bmp") && price > 0 && seats > 0 && speed > 0)
        {
            for (const auto& [pair, figures] : _demand)
            {
                const double earnings = Earnings(figures.first, figures.second, seats, speed);
                if (figures.second > range || Flown(pair.first, pair.second) || figures.first < MIN_FILL * seats ||
                    earnings / price <= bestReturn)
                    continue;
                best = model;
                bestReturn = earnings / price;
                _plannedStart = pair.first;
                _plannedCity = pair.second;
            }
        }
        if (!Press("sr_NextCont_button.bmp"))
            return false;
        if (modelShown() == first)
            break;
    }
    if (best < 0)
    {
        // Nothing would fill its seats well enough: no plane is bought.
        return Press("sr_Cancel_button.bmp");
    }
    for (int model = 0; model < best; ++model)
    {
        if (!Press("sr_NextCont_button.bmp"))
            return false;
    }
    if (!Press("sr_Buy_button.bmp") || !Do("type Liner " + std::to_string(++_planesBought)) ||
        !Press("sr_Ok_button.bmp"))
        return false;
    return SetUpRoute();
}

double PlayerBot::Earnings(double demand, double distance, double seats, double speed)
{
    // A flight pays for its seats beyond about 45 % full and grows with the
    // square root of its distance; every leg spends twelve hours on the
    // ground besides its time in the air. The figure is a year's earnings
    // up to the cost index, for comparing models and routes.
    const double passengers = std::min(demand, seats);
    const double legs = 8760.0 / (12.0 + distance / speed);
    return legs * (6.6 * passengers - 3.0 * seats) * std::sqrt(distance);
}

std::string PlayerBot::BestDestination(const ScreenDump& screen, const std::string& start) const
{
    // The destination planned when the plane was bought, else the one where
    // it earns most as far as the starting airport's demand tells.
    std::string best = screen.items.front().label;
    double bestEarnings = -1e18;
    for (const ScreenDump::Item& row : screen.items)
    {
        const std::string city = CityOf(row.label);
        if (start == _plannedStart && city == _plannedCity)
            return row.label;
        const auto known = _demand.find({start, city});
        if (known == _demand.end() || _seats <= 0 || _speed <= 0)
            continue;
        const double earnings = Earnings(known->second.first, known->second.second, _seats, _speed);
        if (earnings > bestEarnings)
        {
            bestEarnings = earnings;
            best = row.label;
        }
    }
    return best;
}

std::string PlayerBot::CityOf(const std::string& label)
{
    const size_t comma = label.rfind(", ");
    return comma == std::string::npos ? label : label.substr(comma + 2);
}

bool PlayerBot::Flown(const std::string& start, const std::string& city) const
{
    return _flown.count(start + "|" + city) > 0 || _flown.count(city + "|" + CityOf(start)) > 0 ||
           _flown.count(CityOf(start) + "|" + city) > 0;
}

bool PlayerBot::ReadDemand()
{
    // Home and every airport researched since: their demand screens.
    std::set<std::string> airports(_destinations.begin(), _destinations.end());
    airports.insert(_home);
    _demand.clear();
    for (const std::string& airport : airports)
    {
        if (airport.empty() || !Go("sr_Popup1Airports_button.bmp"))
            return _failure.empty();
        if (!PickRow(airport))
            return false;
        if (Look().screen != Screens::AIRPORT_DETAILS || !Press("sr_Demand_button.bmp"))
            return false;
        // "City  demand (distance km)" or "(distance mls)", one line a neighbour.
        for (const ScreenDump::Text& text : Look().texts)
        {
            const size_t gap = text.text.find("  ");
            const size_t open = text.text.find(" (");
            if (gap == std::string::npos || open == std::string::npos || open < gap)
                continue;
            const double demand = std::atof(text.text.c_str() + gap + 2);
            const double distance = std::atof(text.text.c_str() + open + 2);
            _demand[{airport, text.text.substr(0, gap)}] = {demand, distance};
        }
        if (!Press("sr_Ok_button.bmp") || !Press("sr_Ok_button.bmp"))
            return false;
    }
    return true;
}

bool PlayerBot::SetUpRoute()
{
    // The plane's seats and speed, for the choice of its destination.
    _seats = static_cast<double>(Figure(Look(), "Capacity:"));
    _speed = static_cast<double>(Figure(Look(), "Speed:"));
    if (!OpenOption("sr_Popup7SetUp_button.bmp"))
        return _failure.empty();
    ScreenDump screen = Look();
    // The starting airport planned with the model, else the first listed.
    std::string start = screen.items.empty() ? std::string() : screen.items.front().label;
    for (const ScreenDump::Item& row : screen.items)
    {
        if (row.label == _plannedStart)
            start = row.label;
    }
    if (screen.screen == Screens::STARTING_AIRPORT && !start.empty() && !PickRow(start))
        return false;
    screen = Look();
    if (screen.screen == Screens::DESTINATION_AIRPORT && !screen.items.empty())
    {
        const std::string destination = BestDestination(screen, start);
        if (!Do("choose " + destination) || !Settle())
            return false;
        if (Look().screen == Screens::DESTINATION_AIRPORT && !Press("sr_Ok_button.bmp"))
            return false;
        _destinations.push_back(destination);
        _flown.insert(CityOf(start) + "|" + CityOf(destination));
        _plannedStart.clear();
        _plannedCity.clear();
        screen = Look();
    }
    if (screen.screen == Screens::ROUTE_SETTINGS)
    {
        // A medium ticket price and service: the radio buttons are
        // the price's three, then the service's three.
        if (!Press("sr_Radio_Button.bmp#2") || !Press("sr_Radio_Button.bmp#5") || !Press("sr_Ok_button.bmp"))
            return false;
    }
    // Whatever the set-up came to (no destination in reach, say), the
    // screen's Ok or Cancel leads back towards the plane's details.
    for (int step = 0; step < 4 && Look().screen != Screens::PLANE_DETAILS && Look().screen != Screens::PLANES; ++step)
    {
        screen = Look();
        if (!Offers(screen, "sr_Ok_button.bmp") && !Offers(screen, "sr_Cancel_button.bmp"))
            break;
        if (!Press(Offers(screen, "sr_Ok_button.bmp") ? "sr_Ok_button.bmp" : "sr_Cancel_button.bmp"))
            return false;
    }
    return Look().screen != Screens::PLANE_DETAILS || Press("sr_Ok_button.bmp");
}

bool PlayerBot::TendFleet()
{
    if (!Go("sr_Popup1Planes_button.bmp"))
        return false;
    const ScreenDump list = Look();
    _fleet = static_cast<int32_t>(list.items.size());
    _flown.clear();
    for (const ScreenDump::Item& plane : list.items)
    {
        if (Look().screen != Screens::PLANES)
            break;
        if (!PickRow(plane.label))
            return false;
        const ScreenDump details = Look();
        if (details.screen != Screens::PLANE_DETAILS)
            continue;
        // A worn plane (old, or damaged often: its risks grow with both) or
        // one that lost money over the year is sold while others fly on; a
        // new one is bought in its place later where it pays.
        const bool losing = _losing.count(plane.label.substr(0, plane.label.find(", "))) > 0;
        const bool worn = losing || Figure(details, "Age:") >= WORN_AGE ||
                          Figure(details, "No. of damages:") >= WORN_DAMAGES;
        if (worn && _fleet > 1 && OpenOption("sr_Popup7Sell_button.bmp"))
        {
            // A plane bound to a special flight warns first.
            if (Offers(Look(), "sr_Proceed_button.bmp") && !Press("sr_Proceed_button.bmp"))
                return false;
            if (!Press("sr_Yes_button.bmp"))
                return false;
            --_fleet;
            continue;
        }
        bool routed = true;
        for (const ScreenDump::Text& text : details.texts)
        {
            if (text.text == "Status: Damaged" && OpenOption("sr_Popup7Repair_button.bmp") &&
                !Press(Offers(Look(), "sr_Yes_button.bmp") ? "sr_Yes_button.bmp" : "sr_Ok_button.bmp"))
                return false;
            if (text.text == "Status: Not Assigned")
            {
                routed = false;
                if (!SetUpRoute())
                    return false;
            }
        }
        // The city a routed plane flies to (its route screen names both
        // ends), so that new planes go elsewhere.
        if (routed && Look().screen == Screens::PLANE_DETAILS && OpenOption("sr_Popup7Edit_button.bmp"))
        {
            std::vector<std::string> ends;
            for (const ScreenDump::Text& text : Look().texts)
            {
                if (text.text.find(", ") != std::string::npos)
                    ends.push_back(CityOf(text.text));
            }
            if (ends.size() == 2)
            {
                _flown.insert(ends[0] + "|" + ends[1]);
                _flown.insert(ends[1] + "|" + ends[0]);
            }
            if (!Press("sr_Ok_button.bmp"))
                return false;
        }
        if (!_failure.empty())
            return false;
        if (Look().screen == Screens::PLANE_DETAILS && !Press("sr_Ok_button.bmp"))
            return false;
    }
    return true;
}

bool PlayerBot::OpenOption(const char* entry)
{
    if (!Do("press sr_Opts_button.bmp") || !Do("wait 50"))
        return false;
    if (Offers(Look(), entry))
        return Press(entry);
    // Not offered here: the pop-up closes again.
    Do("press sr_Opts_button.bmp");
    Do("wait 50");
    return false;
}

bool PlayerBot::InvestInAirport(int64_t cash)
{
    if (_destinations.empty())
        return true;
    const std::string airport = _destinations[_invested++ % _destinations.size()];
    if (!Go("sr_Popup1Airports_button.bmp"))
        return false;
    if (!PickRow(airport))
        return false;
    Observe(Look());
    if (Look().screen != Screens::AIRPORT_DETAILS)
        return false;
    // Research (or the notice that it is not needed or not affordable).
    if (OpenOption("sr_Popup8Research_button.bmp") &&
        !Press(Offers(Look(), "sr_Yes_button.bmp") ? "sr_Yes_button.bmp" : "sr_Ok_button.bmp"))
        return false;
    // One campaign and one office a game: each costs every month after.
    if (!_advertised && cash > ADVERTISING_CASH && OpenOption("sr_Popup8Advertise_button.bmp"))
    {
        _advertised = true;
        // The smallest campaign the cash allows (the dearer ones are disabled).
        int radio = 0;
        for (const ScreenDump::Button& button : Look().buttons)
        {
            if (button.bitmap != "sr_Radio_Button.bmp")
                continue;
            ++radio;
            if (button.enabled)
                break;
        }
        if (radio > 0 && !Do("press sr_Radio_Button.bmp#" + std::to_string(radio)))
            Do("press sr_Cancel_button.bmp");
        if (!Settle())
            return false;
        _failure.clear();
        if (Look().screen == Screens::ADVERTISING &&
            !Press(Offers(Look(), "sr_Ok_button.bmp") ? "sr_Ok_button.bmp" : "sr_Cancel_button.bmp"))
            return false;
    }
    if (!_officeBought && cash > OFFICE_CASH && (_officeBought = OpenOption("sr_Popup8Buy_button.bmp")) &&
        !Press(Offers(Look(), "sr_Yes_button.bmp") ? "sr_Yes_button.bmp" : "sr_Ok_button.bmp"))
        return false;
    return Look().screen != Screens::AIRPORT_DETAILS || Press("sr_Ok_button.bmp");
}

bool PlayerBot::Borrow()
{
    if (!Go("sr_Popup1Bank_button.bmp") || !OpenOption("sr_Popup2Obtain_button.bmp"))
        return _failure.empty();
    // The amount starts at the most the bank gives, one hundredth a step:
    // a tenth of it is taken.
    for (int step = 0; step < 90; ++step)
    {
        if (!Do("press sr_ScrollDown_button.bmp"))
            return false;
    }
    if (!Settle() || !Press("sr_Ok_button.bmp"))
        return false;
    // The rate comes next: one point more than offered, when allowed.
    if (Look().screen != Screens::CHANGE_RATE)
        return true;
    if (Offers(Look(), "sr_ScrollUp_button.bmp") && !Press("sr_ScrollUp_button.bmp"))
        return false;
    return Press("sr_Ok_button.bmp");
}

bool PlayerBot::Repay()
{
    if (!Go("sr_Popup1Bank_button.bmp"))
        return false;
    if (OpenOption("sr_Popup2Repay_button.bmp") && !Press("sr_Ok_button.bmp"))
        return false;
    if (OpenOption("sr_Popup2Change_button.bmp"))
    {
        if (Offers(Look(), "sr_ScrollDown_button.bmp") && !Press("sr_ScrollDown_button.bmp"))
            return false;
        return Press("sr_Ok_button.bmp");
    }
    return _failure.empty();
}

bool PlayerBot::VisitStatistics()
{
    // The statistics open on the page seen last: the company's worth first.
    if (!Go("sr_Popup1Statistics_button.bmp") || !Pick("sr_View_button.bmp", "sr_Popup3Company_button.bmp") ||
        !Press("sr_History_button.bmp") ||
        !Press("sr_Radio_Button.bmp#3") || !Press("sr_Current_button.bmp"))
        return false;
    for (const char* page : {"sr_Popup3Account_button.bmp", "sr_Popup3Planes_button.bmp",
                             "sr_Popup3Passenger_button.bmp", "sr_Popup3Map_button.bmp",
                             "sr_Popup3Company_button.bmp"})
    {
        if (!Pick("sr_View_button.bmp", page))
            return false;
        if (std::string(page) == "sr_Popup3Planes_button.bmp" &&
            !Pick("sr_SortBy_button.bmp", "sr_Popup5Age_button.bmp"))
            return false;
    }
    return true;
}

bool PlayerBot::VisitMenuScreens()
{
    // Menu > Main menu on the menu bar.
    if (!Do("tap 20 310") || !Do("wait 50") || !Do("tap 30 268") || !Do("wait 100"))
        return false;
    Observe(Look());
    if (!Press("sr_Options_button.bmp") || !Press("sr_Ok_button.bmp") || !Press("sr_Highscores_button.bmp") ||
        !Do("key back") || !Settle())
        return false;
    return Resume();
}

bool PlayerBot::Retire()
{
    return Go("sr_Popup1Retire_button.bmp") && Press("sr_Yes_button.bmp");
}

void PlayerBot::Observe(const ScreenDump& screen)
{
    if (screen.screen != _lastScreen || screen.screen < 0)
    {
        ++_visits[screen.screen];
        _lastScreen = screen.screen;
    }
    // The menu's own screens carry no number: their first text names them.
    std::string key = std::to_string(screen.screen) + " " + screen.title;
    if (screen.screen < 0)
        key = std::to_string(screen.screen) + " " + screen.form + " / " +
              (screen.texts.empty() ? std::string() : screen.texts.front().text);
    if (_recorded[key])
        return;
    _recorded[key] = true;
    Shoot(screen, key);
    _record += "== " + key + "\n";
    for (const ScreenDump::Text& text : screen.texts)
        _record += "  " + text.text + "\n";
}

void PlayerBot::Shoot(const ScreenDump& screen, const std::string& key)
{
    const char* folder = std::getenv("SKYREACH_SCREENS");
    if (!folder || !*folder)
        return;
    // "NN-title.png": the number first so that a listing follows the game's
    // own order; the menu's screens (no number) come first as 00.
    std::string name = key.substr(key.find(' ') + 1);
    for (char& c : name)
    {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '-';
    }
    char number[16];
    std::snprintf(number, sizeof(number), "%02d-", screen.screen < 0 ? 0 : static_cast<int>(screen.screen));
    std::filesystem::create_directories(folder);
    std::string error;
    if (!_script->Shot(std::string(folder) + "/" + number + name + ".png", &error))
        _failure = error;
}

bool PlayerBot::LookAround()
{
    // Time & Cash from the top bar's right part, the speed raised once.
    if (!Do("tap 200 36") || !Settle())
        return false;
    if (Look().screen == Screens::TIME_AND_CASH && (!Do("key b") || !Press("sr_Ok_button.bmp")))
        return false;
    // The home airport's risks.
    if (!_home.empty() && Go("sr_Popup1Airports_button.bmp"))
    {
        if (!PickRow(_home))
            return false;
        if (Look().screen == Screens::AIRPORT_DETAILS &&
            (!Press("sr_Risk_button.bmp") || !Press("sr_Ok_button.bmp") || !Press("sr_Ok_button.bmp")))
            return false;
    }
    // The first plane's route.
    if (!Go("sr_Popup1Planes_button.bmp") || Look().items.empty())
        return _failure.empty();
    if (!PickRow(Look().items.front().label))
        return false;
    if (Look().screen == Screens::PLANE_DETAILS && OpenOption("sr_Popup7Edit_button.bmp") &&
        !Press("sr_Ok_button.bmp"))
        return false;
    return Look().screen != Screens::PLANE_DETAILS || Press("sr_Ok_button.bmp");
}

bool PlayerBot::ReviewProfits()
{
    // The planes statistics sorted by profit: "[  Name  ] - $profit", the
    // profit since the plane was bought. A plane that earned less than
    // nothing since the last review is losing money.
    if (!Go("sr_Popup1Statistics_button.bmp") || !Pick("sr_View_button.bmp", "sr_Popup3Planes_button.bmp") ||
        !Pick("sr_SortBy_button.bmp", "sr_Popup5Profit_button.bmp"))
        return false;
    std::map<std::string, int64_t> profits;
    const ScreenDump screen = Look();
    std::vector<std::string> lines;
    for (const ScreenDump::Item& item : screen.items)
        lines.push_back(item.label);
    for (const ScreenDump::Text& text : screen.texts)
        lines.push_back(text.text);
    for (const std::string& line : lines)
    {
        const size_t open = line.find("[  ");
        const size_t close = line.find("  ]");
        const size_t dollar = line.find('$');
        if (open == std::string::npos || close == std::string::npos || dollar == std::string::npos)
            continue;
        profits[line.substr(open + 3, close - open - 3)] = std::atoll(line.c_str() + dollar + 1);
    }
    _losing.clear();
    for (const auto& [name, profit] : profits)
    {
        const auto last = _lastProfit.find(name);
        if (last != _lastProfit.end() && profit < last->second)
            _losing.insert(name);
    }
    _lastProfit = profits;
    return Go("sr_Popup1Planes_button.bmp");
}

bool PlayerBot::ResearchFreshAirport()
{
    // Demand wears away where the company flies: the neighbour of a known
    // airport with the most demand that is not known yet is researched, to
    // fly from there.
    std::set<std::string> known;
    known.insert(CityOf(_home));
    for (const std::string& airport : _destinations)
        known.insert(CityOf(airport));
    std::string fresh;
    double most = 0;
    for (const auto& [pair, figures] : _demand)
    {
        if (known.count(pair.second) == 0 && figures.first > most)
        {
            most = figures.first;
            fresh = pair.second;
        }
    }
    if (fresh.empty() || !Go("sr_Popup1Airports_button.bmp"))
        return _failure.empty();
    std::string row;
    for (const ScreenDump::Item& item : Look().items)
    {
        if (CityOf(item.label) == fresh)
            row = item.label;
    }
    if (row.empty())
        return true;
    if (!PickRow(row))
        return false;
    if (Look().screen != Screens::AIRPORT_DETAILS)
        return false;
    if (OpenOption("sr_Popup8Research_button.bmp"))
    {
        const bool affordable = Offers(Look(), "sr_Yes_button.bmp");
        if (!Press(affordable ? "sr_Yes_button.bmp" : "sr_Ok_button.bmp"))
            return false;
        if (affordable)
            _destinations.push_back(row);
    }
    return Look().screen != Screens::AIRPORT_DETAILS || Press("sr_Ok_button.bmp");
}
