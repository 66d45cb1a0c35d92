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

bool PlayerBot::ChooseFirstRow(const ScreenDump& screen)
{
    if (screen.items.empty())
        return false;
    const std::string row = "choose " + screen.items.front().label;
    return Do(row) && Settle() && Do(row) && Settle();
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
        if (ChooseFirstRow(screen) && Offers(Look(), "sr_Proceed_button.bmp"))
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
    if (!Do("press sr_Go_button.bmp") || !Do("wait 50"))
        return false;
    if (Offers(Look(), entry))
        return Press(entry);
    // The screen's own entry is disabled: the bot is there already.
    return Do("press sr_Go_button.bmp") && Do("wait 50");
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
    // A row already selected is picked by its first tap, another by its second.
    for (int tap = 0; tap < 2 && Look().screen == Screens::AIRPORT_SELECTION; ++tap)
    {
        if (!Do("choose " + row) || !Settle())
            return false;
    }
    _home = row;
    return Look().screen == Screens::PLANES;
}

bool PlayerBot::Resume()
{
    return Press("sr_Resume_button.bmp");
}

bool PlayerBot::BuyPlaneOnRoute()
{
    if (!ReadHomeDemand() || !Go("sr_Popup1Planes_button.bmp") || !Press("sr_BuyNew_button.bmp"))
        return false;
    // Once round the market (the list wraps round), noting the cheapest seat
    // that can be bought, then forward again to it.
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
    double bestSeat = 0;
    for (int model = 0; model < 120; ++model)
    {
        const ScreenDump screen = Look();
        const int64_t price = Figure(screen, "Price:");
        const int64_t seats = Figure(screen, "Capacity:");
        if (Offers(screen, "sr_Buy_button.bmp") && price > 0 && seats > 0)
        {
            const double seat = static_cast<double>(price) / static_cast<double>(seats);
            if (best < 0 || seat < bestSeat)
            {
                best = model;
                bestSeat = seat;
            }
        }
        if (!Press("sr_NextCont_button.bmp"))
            return false;
        if (modelShown() == first)
            break;
    }
    if (best < 0)
    {
        Press("sr_Cancel_button.bmp");
        return false;
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

std::string PlayerBot::BestDestination(const ScreenDump& screen) const
{
    // A flight pays for its seats beyond about 45 % full, grows with the
    // square root of its distance, and every leg spends twelve hours on the
    // ground besides its time in the air: the best destination earns most
    // per hour, as far as the home airport's demand tells.
    std::string best = screen.items.front().label;
    double bestScore = -1e18;
    for (const ScreenDump::Item& row : screen.items)
    {
        const size_t comma = row.label.rfind(", ");
        const auto known = _demand.find(comma == std::string::npos ? row.label : row.label.substr(comma + 2));
        if (known == _demand.end() || _seats <= 0 || _speed <= 0)
            continue;
        const double passengers = std::min(known->second.first, _seats);
        const double distance = known->second.second;
        const double score = (6.6 * passengers - 3.0 * _seats) * std::sqrt(distance) /
                             (720.0 + 60.0 * distance / _speed);
        if (score > bestScore)
        {
            bestScore = score;
            best = row.label;
        }
    }
    return best;
}

bool PlayerBot::ReadHomeDemand()
{
    if (_home.empty() || !Go("sr_Popup1Airports_button.bmp"))
        return _failure.empty();
    for (int tap = 0; tap < 2 && Look().screen == Screens::AIRPORTS; ++tap)
    {
        if (!Do("choose " + _home) || !Settle())
            return false;
    }
    if (Look().screen != Screens::AIRPORT_DETAILS || !Press("sr_Demand_button.bmp"))
        return false;
    // "City  demand (distance km)" or "(distance mls)", one line a neighbour.
    _demand.clear();
    for (const ScreenDump::Text& text : Look().texts)
    {
        const size_t gap = text.text.find("  ");
        const size_t open = text.text.find(" (");
        if (gap == std::string::npos || open == std::string::npos || open < gap)
            continue;
        const double demand = std::atof(text.text.c_str() + gap + 2);
        const double distance = std::atof(text.text.c_str() + open + 2);
        _demand[text.text.substr(0, gap)] = {demand, distance};
    }
    return Press("sr_Ok_button.bmp") && Press("sr_Ok_button.bmp");
}

bool PlayerBot::SetUpRoute()
{
    // The plane's seats and speed, for the choice of its destination.
    _seats = static_cast<double>(Figure(Look(), "Capacity:"));
    _speed = static_cast<double>(Figure(Look(), "Speed:"));
    if (!OpenOption("sr_Popup7SetUp_button.bmp"))
        return _failure.empty();
    ScreenDump screen = Look();
    // A row already selected is picked by its first tap, another by its second.
    for (int tap = 0; tap < 2 && screen.screen == Screens::STARTING_AIRPORT && !screen.items.empty(); ++tap)
    {
        if (!Do("choose " + screen.items.front().label) || !Settle())
            return false;
        screen = Look();
    }
    if (screen.screen == Screens::DESTINATION_AIRPORT && !screen.items.empty())
    {
        const std::string destination = BestDestination(screen);
        if (!Do("choose " + destination) || !Settle())
            return false;
        if (Look().screen == Screens::DESTINATION_AIRPORT && !Press("sr_Ok_button.bmp"))
            return false;
        _destinations.push_back(destination);
        screen = Look();
    }
    if (screen.screen == Screens::ROUTE_SETTINGS)
    {
        // A high ticket price and a medium service: the radio buttons are
        // the price's three, then the service's three.
        if (!Press("sr_Radio_Button.bmp#3") || !Press("sr_Radio_Button.bmp#5") || !Press("sr_Ok_button.bmp"))
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
    for (const ScreenDump::Item& plane : list.items)
    {
        if (Look().screen != Screens::PLANES)
            break;
        for (int tap = 0; tap < 2 && Look().screen == Screens::PLANES; ++tap)
        {
            if (!Do("choose " + plane.label) || !Settle())
                return false;
        }
        const ScreenDump details = Look();
        if (details.screen != Screens::PLANE_DETAILS)
            continue;
        // A worn plane (old, or damaged often: its risks grow with both) is
        // sold while others fly on; a new one is bought in its place later.
        const bool worn = Figure(details, "Age:") >= WORN_AGE || Figure(details, "No. of damages:") >= WORN_DAMAGES;
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
        for (const ScreenDump::Text& text : details.texts)
        {
            if (text.text == "Status: Damaged" && OpenOption("sr_Popup7Repair_button.bmp") &&
                !Press(Offers(Look(), "sr_Yes_button.bmp") ? "sr_Yes_button.bmp" : "sr_Ok_button.bmp"))
                return false;
            if (text.text == "Status: Not Assigned" && !SetUpRoute())
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
    for (int tap = 0; tap < 2 && Look().screen == Screens::AIRPORTS; ++tap)
    {
        if (!Do("choose " + airport) || !Settle())
            return false;
    }
    Observe(Look());
    if (Look().screen != Screens::AIRPORT_DETAILS)
        return false;
    // Research (or the notice that it is not needed or not affordable).
    if (OpenOption("sr_Popup8Research_button.bmp") &&
        !Press(Offers(Look(), "sr_Yes_button.bmp") ? "sr_Yes_button.bmp" : "sr_Ok_button.bmp"))
        return false;
    if (cash > ADVERTISING_CASH && OpenOption("sr_Popup8Advertise_button.bmp"))
    {
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
        if (Look().screen == Screens::ADVERTISING && !Press(Offers(Look(), "sr_Ok_button.bmp") ? "sr_Ok_button.bmp" : "sr_Cancel_button.bmp"))
            return false;
    }
    if (cash > OFFICE_CASH && OpenOption("sr_Popup8Buy_button.bmp") &&
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
    if (!Go("sr_Popup1Statistics_button.bmp") || !Press("sr_History_button.bmp") ||
        !Press("sr_Radio_Button.bmp#3") || !Press("sr_Current_button.bmp"))
        return false;
    for (const char* page : {"sr_Popup3Account_button.bmp", "sr_Popup3Planes_button.bmp",
                             "sr_Popup3Passenger_button.bmp", "sr_Popup3Map_button.bmp",
                             "sr_Popup3Company_button.bmp"})
    {
        if (!Do("press sr_View_button.bmp") || !Do("wait 50") || !Press(page))
            return false;
        if (std::string(page) == "sr_Popup3Planes_button.bmp" &&
            (!Do("press sr_SortBy_button.bmp") || !Do("wait 50") || !Press("sr_Popup5Profit_button.bmp")))
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
        for (int tap = 0; tap < 2 && Look().screen == Screens::AIRPORTS; ++tap)
        {
            if (!Do("choose " + _home) || !Settle())
                return false;
        }
        if (Look().screen == Screens::AIRPORT_DETAILS &&
            (!Press("sr_Risk_button.bmp") || !Press("sr_Ok_button.bmp") || !Press("sr_Ok_button.bmp")))
            return false;
    }
    // The first plane's route.
    if (!Go("sr_Popup1Planes_button.bmp") || Look().items.empty())
        return _failure.empty();
    for (int tap = 0; tap < 2 && Look().screen == Screens::PLANES; ++tap)
    {
        if (!Do("choose " + Look().items.front().label) || !Settle())
            return false;
    }
    if (Look().screen == Screens::PLANE_DETAILS && OpenOption("sr_Popup7Edit_button.bmp") &&
        !Press("sr_Ok_button.bmp"))
        return false;
    return Look().screen != Screens::PLANE_DETAILS || Press("sr_Ok_button.bmp");
}
