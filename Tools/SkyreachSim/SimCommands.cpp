#include "SkyreachSim/SimCommands.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/BankActions.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/FleetRules.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"
#include "SkyreachSim/SimReport.h"
#include "SkyreachSim/SimSession.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
constexpr const char* CANT_AFFORD = "You can't afford it!";
// The longest name the game's text fields take (company and plane names).
constexpr size_t NAME_LIMIT = 12;

Company& TheCompany()
{
    return *Enviroment::GetCompany();
}

std::string Money(int64_t amount)
{
    return "$ " + std::to_string(amount);
}

std::string AirportName(int32_t airport)
{
    return SimReport::AirportName(airport);
}

bool MayBeHome(int32_t airport)
{
    const std::vector<int32_t> homes = GameState::HomeAirportCandidates();
    return std::find(homes.begin(), homes.end(), airport) != homes.end();
}
} // namespace

const SimCommands::Entry SimCommands::kEntries[] = {
    {"new", 2, 2, false, Use::ACTS, &SimCommands::New, "new NAME AIRPORT",
     "starts a game (home: see airports)"},
    {"buy", 1, 2, true, Use::ACTS, &SimCommands::Buy, "buy MODEL [NAME]", "buys a plane of a model on sale"},
    {"sell", 1, 1, true, Use::ACTS, &SimCommands::Sell, "sell PLANE", "sells a plane, closing its route"},
    {"repair", 1, 1, true, Use::ACTS, &SimCommands::Repair, "repair PLANE", "repairs a damaged plane"},
    {"route", 5, 5, true, Use::ACTS, &SimCommands::Route, "route PLANE FROM TO PRICE SERVICE",
     "sets up a route; levels 0 low, 1 medium, 2 high"},
    {"shutdown", 1, 1, true, Use::ACTS, &SimCommands::Shutdown, "shutdown PLANE", "closes a plane's route"},
    {"research", 1, 1, true, Use::ACTS, &SimCommands::Research, "research AIRPORT", "researches an airport"},
    {"office", 1, 1, true, Use::ACTS, &SimCommands::Office, "office AIRPORT", "buys an office"},
    {"selloffice", 1, 1, true, Use::ACTS, &SimCommands::SellOffice, "selloffice AIRPORT", "sells an office"},
    {"advertise", 2, 2, true, Use::ACTS, &SimCommands::Advertise, "advertise AIRPORT 40|80|120",
     "runs a small, medium or large campaign"},
    {"credit", 0, 1, true, Use::LOOKS_WITHOUT_ARGS, &SimCommands::Credit, "credit [AMOUNT]",
     "takes a credit; without an amount shows the bank's terms"},
    {"repay", 1, 1, true, Use::ACTS, &SimCommands::Repay, "repay AMOUNT", "repays part of the credit"},
    {"mir", 1, 1, true, Use::ACTS, &SimCommands::Mir, "mir PERCENT", "sets the monthly installment rate"},
    {"answer", 2, 2, false, Use::ACTS, &SimCommands::Answer, "answer NOTICE CHOICE",
     "how a notice is answered from now on"},
    {"run", 1, 1, true, Use::ACTS, &SimCommands::Run, "run DAYS", "moves the game on by whole days"},
    {"until", 1, 1, true, Use::ACTS, &SimCommands::Until, "until YEAR", "moves the game on to 1 January"},
    {"skip", 0, 0, true, Use::ACTS, &SimCommands::Skip, "skip", "moves the game on to the next notice"},
    {"report", 0, 0, true, Use::LOOKS, &SimCommands::Report, "report",
     "the company, planes, airports, statistics, events fired"},
    {"events", 0, 0, true, Use::LOOKS, &SimCommands::Events, "events", "the pending events"},
    {"airports", 0, 0, false, Use::LOOKS, &SimCommands::Airports, "airports",
     "every airport, its size and whether it can be a home"},
    {"neighbours", 1, 1, false, Use::LOOKS, &SimCommands::Neighbours, "neighbours AIRPORT",
     "an airport's six neighbours with distance and setup cost"},
    {"models", 0, 1, true, Use::LOOKS, &SimCommands::Models, "models [all]",
     "the models on sale (all: every model) with their figures"},
    {"returns", 0, 1, false, Use::LOOKS, &SimCommands::Returns, "returns [MODEL]",
     "each model's yearly return on its price in its first year, on its best route"},
    {"planes", 0, 0, true, Use::LOOKS, &SimCommands::Planes, "planes",
     "the fleet: age, value, damages, route settings"},
    {"save", 0, 0, true, Use::ACTS, &SimCommands::Save, "save",
     "saves the whole game in the preference store"},
    {"load", 0, 0, false, Use::ACTS, &SimCommands::Load, "load", "loads the saved game"},
    {"cash", 1, 1, true, Use::ACTS, &SimCommands::Cash, "cash AMOUNT",
     "sets the cash (tests and benchmarks)"},
    {"mark", 1, 1, false, Use::LOOKS, &SimCommands::Mark, "mark WORD",
     "prints the word back (a program driving the tool sees where an answer ends)"},
};

SimCommands::SimCommands(SimSession& session) : _session(session), _command(nullptr)
{
}

std::string SimCommands::Help()
{
    size_t width = 0;
    for (const Entry& entry : kEntries)
        width = std::max(width, std::strlen(entry.usage));
    std::string text;
    for (const Entry& entry : kEntries)
    {
        text += "  ";
        text += entry.usage;
        text += std::string(width + 2 - std::strlen(entry.usage), ' ');
        text += entry.what;
        text += '\n';
    }
    return text;
}

void SimCommands::Execute(const ScriptReader::Command& command)
{
    _command = &command;
    const std::string& name = command.words.front();
    for (const Entry& entry : kEntries)
    {
        if (name != entry.name)
            continue;
        const int32_t args = static_cast<int32_t>(command.words.size()) - 1;
        if (args < entry.minArgs || args > entry.maxArgs)
            Bad(std::string("usage: ") + entry.usage);
        if (entry.needsGame && !_session.HasGame())
        {
            Refuse("There is no game: start one with new or load one.");
            return;
        }
        // After the game-over screen only looking, loading and new games remain.
        const bool looks = entry.use == Use::LOOKS || (entry.use == Use::LOOKS_WITHOUT_ARGS && args == 0);
        if (entry.needsGame && _session.IsOver() && !looks)
        {
            Refuse("The game has ended.");
            return;
        }
        (this->*entry.handler)();
        return;
    }
    Bad("unknown command \"" + name + "\"");
}

void SimCommands::Bad(const std::string& message) const
{
    throw ScriptError(_command->line, message);
}

void SimCommands::Refuse(const std::string& message)
{
    _session.Out().Line("refused").Int("line", _command->line).Str("command", _command->words.front()).Str(
        "message", message);
}

int64_t SimCommands::Number(size_t index, int64_t low, int64_t high, const char* what) const
{
    const std::string& word = _command->words[index];
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || errno != 0 || value < low || value > high)
    {
        Bad(std::string(what) + " must be a whole number from " + std::to_string(low) + " to " +
            std::to_string(high) + ", not \"" + word + "\"");
    }
    return value;
}

int32_t SimCommands::Airport(size_t index) const
{
    return static_cast<int32_t>(Number(index, 0, Enviroment::AIRPORT_COUNT - 1, "an airport"));
}

Plane* SimCommands::FindPlane(size_t index)
{
    const int32_t id = static_cast<int32_t>(Number(index, 0, INT32_MAX, "a plane id"));
    Plane* plane = TheCompany().FindPlane(id);
    if (!plane)
        Refuse("There is no plane " + std::to_string(id) + " in your fleet.");
    return plane;
}

bool SimCommands::MayBreakContract(Plane* plane, int32_t confirmation)
{
    const int32_t notice = FleetRules::WarningBefore(confirmation, *plane);
    if (notice == confirmation)
        return true;
    if (_session.Sink().ConfirmContractBreak(notice, TheCompany().SpecialFlightOf(plane)))
        return true;
    Refuse("This plane keeps its special flight.");
    return false;
}

void SimCommands::New()
{
    const std::string& name = _command->words[1];
    if (name.empty() || name.size() > NAME_LIMIT)
        Bad("the company name must have 1 to " + std::to_string(NAME_LIMIT) + " characters");
    const int32_t airport = Airport(2);
    if (!MayBeHome(airport))
    {
        Refuse(AirportName(airport) + " can't be chosen as the home airport.");
        return;
    }
    _session.StartGame(name, airport);
    _session.Out()
        .Line("new")
        .Str("company", name)
        .Int("airport", airport)
        .Str("name", AirportName(airport))
        .Str("date", SimOutput::Date(_session.Now()))
        .Int("cash", TheCompany().GetCash());
}

void SimCommands::Buy()
{
    const int32_t model = static_cast<int32_t>(Number(1, 0, Enviroment::GetModelCount() - 1, "a model"));
    Company& company = TheCompany();
    std::string name = "Plane" + std::to_string(company.NextPlaneId());
    if (_command->words.size() > 2)
    {
        name = _command->words[2];
        if (name.empty() || name.size() > NAME_LIMIT)
            Bad("a plane name must have 1 to " + std::to_string(NAME_LIMIT) + " characters");
    }
    const PlaneModel info = Enviroment::GetPlaneModel(model);
    if (!FleetRules::IsOnSale(model))
    {
        Refuse(std::string(info._name) + " is not for sale.");
        return;
    }
    if (!FleetRules::CanAfford(info._price))
    {
        Refuse(CANT_AFFORD);
        return;
    }
    Plane* plane = company.BuyPlane(model, name, _session.Now());
    _session.Out()
        .Line("buy")
        .Int("plane", plane->_id)
        .Str("name", name)
        .Int("model", model)
        .Str("model_name", info._name)
        .Int("price", info._price);
}

void SimCommands::Sell()
{
    Plane* plane = FindPlane(1);
    if (!plane || !MayBreakContract(plane, Screens::SELL_PLANE))
        return;
    const int32_t id = plane->_id;
    const int64_t value = plane->Value(_session.Now());
    TheCompany().SellPlane(plane, _session.Now());
    _session.Out().Line("sell").Int("plane", id).Int("value", value);
}

void SimCommands::Repair()
{
    Plane* plane = FindPlane(1);
    if (!plane)
        return;
    if (!plane->_damaged)
    {
        Refuse("This plane is not damaged.");
        return;
    }
    // The repair screens' order: the price first, then the spare parts.
    if (!FleetRules::CanAfford(plane->_repair_cost))
    {
        Refuse(std::string(CANT_AFFORD) + " This costs: " + Money(plane->_repair_cost));
        return;
    }
    if (NoticeActions::RepairChoiceFor(plane) != NoticeActions::RepairChoice::ASK)
    {
        Refuse("This model was withdrawn from market, and there are no required spare parts to repair it.");
        return;
    }
    const int64_t cost = plane->_repair_cost;
    TheCompany().RepairPlane(plane, _session.Now());
    _session.Out().Line("repair").Int("plane", plane->_id).Int("cost", cost);
}

void SimCommands::Route()
{
    Plane* plane = FindPlane(1);
    const int32_t from = Airport(2);
    const int32_t to = Airport(3);
    const int32_t price = static_cast<int32_t>(Number(4, 0, 2, "a ticket price level"));
    const int32_t service = static_cast<int32_t>(Number(5, 0, 2, "a service level"));
    if (!plane)
        return;
    if (plane->HasRoute())
    {
        Refuse("This plane already flies a route.");
        return;
    }
    if (!FleetRules::IsStartingAirport(from))
    {
        Refuse(AirportName(from) + " is not among your starting airports.");
        return;
    }
    const int32_t distance = Enviroment::GetDistance(from, to);
    if (distance < 0)
    {
        Refuse(AirportName(to) + " is not a destination from " + AirportName(from) + ".");
        return;
    }
    if (plane->Range() < static_cast<uint32_t>(distance))
    {
        Refuse("Perhaps the range of this plane is too low...");
        return;
    }
    if (!FleetRules::IsDestination(*plane, from, to))
    {
        Refuse(AirportName(to) + " is not among the destination airports available.");
        return;
    }
    const int64_t cost = ::Route::SetupCost(from, to);
    const int64_t award = FleetRules::SetUpRoute(plane, from, to, price, service, _session.Now());
    _session.Out()
        .Line("route")
        .Int("plane", plane->_id)
        .Int("from", from)
        .Int("to", to)
        .Int("price", price)
        .Int("service", service)
        .Int("cost", cost);
    if (award > 0)
        _session.Sink().ShowAward(award);
}

void SimCommands::Shutdown()
{
    Plane* plane = FindPlane(1);
    if (!plane)
        return;
    if (!plane->HasRoute())
    {
        Refuse("This plane has no route.");
        return;
    }
    if (!MayBreakContract(plane, Screens::SHUT_DOWN))
        return;
    TheCompany().CloseRoute(plane, _session.Now());
    _session.Out().Line("shutdown").Int("plane", plane->_id);
}

void SimCommands::Research()
{
    const int32_t airport = Airport(1);
    Company& company = TheCompany();
    const int64_t price = AirportDetails::ResearchCost(airport);
    switch (company.ResearchChoiceFor(airport, _session.Now()))
    {
    case Company::ResearchChoice::CANNOT_AFFORD:
        Refuse(std::string(CANT_AFFORD) + " This costs: " + Money(price));
        return;
    case Company::ResearchChoice::NOT_NEEDED:
        Refuse("You don't need to make research. You have quite fresh information about this airport.");
        return;
    case Company::ResearchChoice::ASK:
        break;
    }
    company.Research(airport, false, _session.Now());
    _session.Out().Line("research").Int("airport", airport).Str("name", AirportName(airport)).Int("cost", price);
}

void SimCommands::Office()
{
    const int32_t airport = Airport(1);
    Company& company = TheCompany();
    if (company.HasOffice(airport))
    {
        Refuse("Office present.");
        return;
    }
    const int64_t price = AirportDetails::OfficePrice(airport);
    if (!company.CanAffordOffice(airport))
    {
        Refuse(std::string(CANT_AFFORD) + " This costs: " + Money(price));
        return;
    }
    company.BuyOffice(airport, price, _session.Now());
    _session.Out().Line("office").Int("airport", airport).Str("name", AirportName(airport)).Int("cost", price);
}

void SimCommands::SellOffice()
{
    const int32_t airport = Airport(1);
    Company& company = TheCompany();
    if (!company.HasOffice(airport))
    {
        Refuse("You have no office at " + AirportName(airport) + ".");
        return;
    }
    const int64_t value = Company::OfficeSaleValue(airport);
    company.SellOffice(airport, value, _session.Now());
    _session.Out().Line("selloffice").Int("airport", airport).Int("value", value);
}

void SimCommands::Advertise()
{
    const int32_t airport = Airport(1);
    const int64_t size = Number(2, 40, 120, "a campaign size");
    if (size != 40 && size != 80 && size != 120)
        Bad("a campaign size must be 40, 80 or 120, not \"" + _command->words[2] + "\"");
    Company& company = TheCompany();
    if (!company.MayAdvertise(airport))
    {
        Refuse("You have no information about " + AirportName(airport) + ": research it first.");
        return;
    }
    const int64_t cost = AirportDetails::AdvertisingCost(airport, static_cast<int32_t>(size));
    if (!company.CanAffordCampaign(airport, static_cast<int32_t>(size)))
    {
        Refuse(std::string(CANT_AFFORD) + " This costs: " + Money(cost));
        return;
    }
    company.Advertise(airport, static_cast<int32_t>(size), _session.Now());
    _session.Out().Line("advertise").Int("airport", airport).Int("size", size).Int("cost", cost);
}

void SimCommands::Credit()
{
    if (_command->words.size() == 1)
    {
        SimReport::Bank(_session);
        return;
    }
    const int64_t amount = Number(1, 1, Company::CASH_HIGH, "a credit amount");
    Company& company = TheCompany();
    const Time now = _session.Now();
    if (company.HasCredit())
    {
        Refuse("You already have a credit; repay it first.");
        return;
    }
    const int64_t limit = BankActions::CreditAmounts(now).high;
    if (!BankActions::MayObtain(now))
    {
        Refuse("The bank gives no credit while the worth of your company is not positive.");
        return;
    }
    if (amount > limit)
    {
        Refuse("The bank lends at most " + Money(limit) + ".");
        return;
    }
    BankActions::ObtainCredit(amount, now);
    _session.Out().Line("credit").Int("amount", amount).Int("limit", limit).Int("mir", company.GetMIR());
}

void SimCommands::Repay()
{
    const int64_t amount = Number(1, 1, Company::CASH_HIGH, "a repayment");
    Company& company = TheCompany();
    if (!company.HasCredit())
    {
        Refuse("You have no credit to repay.");
        return;
    }
    if (amount > company.GetRemainingCredit())
    {
        Refuse("Your credit is only " + Money(company.GetRemainingCredit()) + ".");
        return;
    }
    if (amount > BankActions::RepayAmounts().high)
    {
        Refuse(CANT_AFFORD);
        return;
    }
    BankActions::RepayCredit(amount);
    _session.Out().Line("repay").Int("amount", amount).Int("credit", company.GetRemainingCredit());
}

void SimCommands::Mir()
{
    const int64_t percent = Number(1, 1, 100, "a rate");
    Company& company = TheCompany();
    if (!BankActions::MayChangeRate())
    {
        Refuse("You have no credit.");
        return;
    }
    const int64_t limit = company.HighestRate();
    if (!BankActions::SetRate(percent, _session.Now()))
    {
        Refuse("The rate can be set from 1% to " + std::to_string(limit) + "%.");
        return;
    }
    _session.Out().Line("mir").Int("rate", percent).Int("installment", company.Installment());
}

void SimCommands::Answer()
{
    const int32_t notice = static_cast<int32_t>(Number(1, 0, 999, "a notice number"));
    std::string error;
    if (!_session.Sink().SetAnswer(notice, _command->words[2], &error))
        Bad(error);
    _session.Out().Line("answer").Int("n", notice).Str("choice", _command->words[2]);
}

void SimCommands::Run()
{
    const int32_t days = static_cast<int32_t>(Number(1, 0, 36600, "a number of days"));
    const int64_t fired = _session.RunTo(_session.Now().AddDays(days));
    _session.Out().Line("run").Str("date", SimOutput::Date(_session.Now())).Int("fired", fired);
}

void SimCommands::Until()
{
    const int32_t year = static_cast<int32_t>(Number(1, Enviroment::FIRST_YEAR, 2100, "a year"));
    int64_t fired = 0;
    // Everything due at the turn of the year fires too (the yearly and
    // monthly events of 1 January), so a report right after shows the new year.
    const Time end = Time(year, 0, 1).FirstMomentAfter();
    if (end.IsAfter(_session.Now()))
        fired = _session.RunTo(end);
    _session.Out().Line("until").Str("date", SimOutput::Date(_session.Now())).Int("fired", fired);
}

void SimCommands::Skip()
{
    const int64_t fired = _session.SkipToNotice();
    _session.Out().Line("skip").Str("date", SimOutput::Date(_session.Now())).Int("fired", fired);
}

void SimCommands::Airports()
{
    SimReport::Airports(_session);
}

void SimCommands::Neighbours()
{
    SimReport::Neighbours(_session, Airport(1));
}

void SimCommands::Models()
{
    const bool all = _command->words.size() > 1;
    if (all && _command->words[1] != "all")
        Bad("models takes no argument or \"all\", not \"" + _command->words[1] + "\"");
    SimReport::Models(_session, all);
}

void SimCommands::Returns()
{
    if (_command->words.size() > 1)
        SimReport::Returns(_session, static_cast<int32_t>(Number(1, 0, Enviroment::GetModelCount() - 1, "a model")));
    else
        for (int32_t model = 0; model < Enviroment::GetModelCount(); ++model)
            SimReport::Returns(_session, model);
}

void SimCommands::Planes()
{
    SimReport::Planes(_session);
}

void SimCommands::Report()
{
    SimReport::Report(_session);
}

void SimCommands::Events()
{
    SimReport::PendingEvents(_session);
}

void SimCommands::Save()
{
    std::string error;
    if (!_session.Save(&error))
    {
        Refuse("The game could not be saved: " + error + ".");
        return;
    }
    _session.Out().Line("save").Str("date", SimOutput::Date(_session.Now()));
}

void SimCommands::Load()
{
    std::string error;
    if (!_session.Load(&error))
    {
        Refuse("The game could not be loaded: " + error + ".");
        return;
    }
    _session.Out().Line("load").Str("date", SimOutput::Date(_session.Now())).Str("company", TheCompany().GetName());
}

void SimCommands::Cash()
{
    const int64_t amount = Number(1, Company::CASH_LOW + 1, Company::CASH_HIGH - 1, "an amount of cash");
    Company& company = TheCompany();
    const int64_t change = amount - company.GetCash();
    // Set outside the books: the statistics do not see it.
    if (change > 0)
        company.Earn(change, false);
    else if (change < 0)
        company.Spend(-change, false);
    _session.Out().Line("cash").Int("cash", company.GetCash());
}

void SimCommands::Mark()
{
    _session.Out().Line("mark").Str("word", _command->words[1]);
}
