// PlayerBot: a stand-in for the player at the device screen, for tests that
// play the game headless through the program's own screens.
//
// It sees only what a player sees, the screen as the script's `dump` reads it,
// and acts only as a player does, through the script's verbs (`press`,
// `choose`, `key`, `type`). Every notice an event opens is answered through
// its buttons, and the screens an answer leads on to (the replacement of a
// crashed plane, the plane chosen for a charity or VIP flight, the rate
// question of the bank, the end of the game) are walked through to the end.
// Where a notice offers a choice the bot takes each answer in turn, so a long
// run exercises them all. It counts what it saw and answered.
//
// It also manages an airline the way a player does, each step through the
// screens: a new game from the main menu, planes bought and set up on routes,
// airports researched, advertising and offices, the bank's credit and rate,
// every statistics page and the options, retirement. And it keeps a record
// of the screens it met (the first time of each number: its texts as the
// dump gives them) for a test to compare with an expected one.
#pragma once

#include "WinCE/ScreenDump.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class HostScript;

class PlayerBot
{
public:
    // A bot with no program to play yet: Rebind gives it one.
    PlayerBot() = default;
    explicit PlayerBot(HostScript& script);
    // After a restart of the program the bot goes on with its new script.
    void Rebind(HostScript& script) { _script = &script; }

    // What the device screen shows now.
    ScreenDump Look() const;

    // Answers the notice, or walks on through the screen an answer led to,
    // shown on `screen`; false when `screen` is neither (or a command
    // failed: see Failure).
    bool Answer(const ScreenDump& screen);
    // On a screen where time runs, the key that skips to the next notice;
    // false elsewhere.
    bool SkipToNextNotice(const ScreenDump& screen);

    // A careful bot gives every notice its first answer (repair, replace,
    // accept the agency, assign the special flight) instead of each in turn,
    // and rejects smuggling.
    void SetCareful(bool careful) { _careful = careful; }

    // How many times each notice number was shown and answered.
    const std::map<int32_t, int>& Answered() const { return _answered; }
    // How many times each answer (a notice number and a button) was given.
    const std::map<std::string, int>& Answers() const { return _answers; }
    // The message of the last command that failed; empty when none did.
    const std::string& Failure() const { return _failure; }

    // Runs script command lines; false (keeping the message) on a failure.
    bool Do(const std::string& lines);

    // Management. Each starts on a screen where time runs (with the Go
    // pop-up) and ends on one, but for the two that start at the main menu.
    // From the main menu (past the splash screens): a new game for
    // `company` at the home airport labelled `home` (the first one listed
    // when there is no such row).
    bool StartNewGame(const std::string& company, const std::string& home);
    // From the main menu: back into the game.
    bool Resume();
    // Buys the model with the cheapest seat among those it can buy and sets
    // it up on a route from home to the first destination it reaches;
    // false when no model can be bought.
    bool BuyPlaneOnRoute();
    // Goes through the planes list: a worn plane is sold, a damaged one
    // repaired, one without a route gets one.
    bool TendFleet();
    // The planes in the fleet when it was last tended.
    int32_t Fleet() const { return _fleet; }
    // Researches an airport its planes fly to (each in turn), advertises
    // there and buys an office when `cash` allows.
    bool InvestInAirport(int64_t cash);
    // Takes a credit of a tenth of the most the bank gives and raises the
    // rate by one point.
    bool Borrow();
    // Repays what the bank's repay screen offers and lowers the rate by one.
    bool Repay();
    // Visits every statistics page (and the history and sort choices).
    bool VisitStatistics();
    // Through the main menu: the options, the high scores, and back.
    bool VisitMenuScreens();
    // From a plane's details: sets up a route from home to the first
    // destination in reach, at a high price and medium service, and goes
    // back to the planes list.
    bool SetUpRoute();
    // Looks at what a player looks at now and then: Time & Cash (raising
    // the speed), the home airport's risks, a plane's route.
    bool LookAround();
    // Researches the unknown neighbour of a known airport with the most
    // demand, to fly from there later.
    bool ResearchFreshAirport();
    // Reads each plane's profit off the planes statistics; the planes that
    // lost money since the last review are sold when the fleet is tended.
    bool ReviewProfits();
    // Retires, ending the game (Game over is then shown).
    bool Retire();
    // The game's year and cash as the top bar shows them (0 without one).
    static int32_t Year(const ScreenDump& screen);
    static int64_t Cash(const ScreenDump& screen) { return screen.topBar.cash; }
    int32_t PlanesBought() const { return _planesBought; }

    // The record of the screens met: each screen number (and title) once,
    // with its texts. `Note` adds a line of the caller's own. With the
    // environment's SKYREACH_SCREENS naming a folder, each of those screens
    // is also written there as a PNG (`make screens`).
    void Observe(const ScreenDump& screen);
    void Note(const std::string& line) { _record += line + "\n"; }
    const std::string& Record() const { return _record; }
    // The screen numbers met, and how many times.
    const std::map<int32_t, int>& Visits() const { return _visits; }

private:
    // Presses one of `choices` on notice `notice`: each in turn, one per
    // showing of the notice, among those the screen offers enabled.
    bool PressInTurn(const ScreenDump& screen, int32_t notice, std::initializer_list<const char*> choices);
    bool Press(const std::string& bitmap);
    // Lets the next screen come up, and notes it in the record.
    bool Settle();
    // Picks the list row labelled `label` as a player does: a tap selects
    // it, a tap on the selected row picks it.
    bool PickRow(const std::string& label);
    bool BuyReplacement(const ScreenDump& screen);

    bool Go(const char* entry);
    // Takes `entry` of the pop-up menu behind the button `popup`; when the
    // entry is disabled (the screen shown already) the menu closes again.
    bool Pick(const char* popup, const char* entry);
    // Reads the demand toward each neighbour of home and of every airport
    // researched since off their demand screens (the airports list, the
    // airport's details, Demand).
    bool ReadDemand();
    // The destination row of the destination screen, flying from `start`,
    // where the plane about to fly earns most by the demand read; the first
    // row when none is known.
    std::string BestDestination(const ScreenDump& screen, const std::string& start) const;
    // The city of a list label "Country, City".
    static std::string CityOf(const std::string& label);
    // Whether a plane of the fleet flies between the two already.
    bool Flown(const std::string& start, const std::string& city) const;
    // A year's earnings of a plane of `seats` and `speed` flying `distance`
    // where `demand` passengers want a flight, up to the cost index.
    static double Earnings(double demand, double distance, double seats, double speed);
    void Shoot(const ScreenDump& screen, const std::string& key);
    // Opens the screen's options pop-up and takes `entry`; false (and the
    // pop-up closed again) when it is not offered.
    bool OpenOption(const char* entry);
    // The `label` of a text on the screen that starts with `prefix`, as a
    // number ("Price: $150000" gives 150000); -1 when there is none.
    static int64_t Figure(const ScreenDump& screen, const std::string& prefix);

    HostScript* _script = nullptr;
    std::map<int32_t, int> _answered;
    std::map<std::string, int> _answers;
    std::string _failure;
    int _planesBought = 0;
    int _modelsLookedAt = 0;
    bool _careful = false;
    bool _noFreePlane = false;
    bool _replacementGivenUp = false;
    std::string _record;
    std::map<int32_t, int> _visits;
    std::map<std::string, bool> _recorded;
    int32_t _lastScreen = -2;
    std::vector<std::string> _destinations;
    // The home airport's row label.
    std::string _home;
    // Demand by (starting airport label, neighbour city): passengers a
    // flight and distance.
    std::map<std::pair<std::string, std::string>, std::pair<double, double>> _demand;
    // The seats and speed of the plane a route is being set up for.
    int32_t _fleet = 0;
    double _seats = 0;
    // The route chosen with the model, and the city pairs flown ("A|B").
    std::string _plannedStart;
    std::string _plannedCity;
    std::set<std::string> _flown;
    std::map<std::string, int64_t> _lastProfit;
    std::set<std::string> _losing;
    bool _advertised = false;
    bool _officeBought = false;
    double _speed = 0;
    size_t _invested = 0;
};
