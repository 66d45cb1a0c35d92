#include "SkyreachSim/ScriptedNoticeSink.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/BankActions.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/NoticePlayer.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/TimeSimulation.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace
{
// The notices the simulation shows, each with a name for the output and the
// choices it offers; the first choice is the default. Notices that only
// inform offer "ok".
struct NoticeChoices
{
    int32_t notice;
    const char* name;
    const char* choices[3];
};

const NoticeChoices kChoices[] = {
    {Notices::CHANGE_RATE, "installment rate", {"keep", nullptr, nullptr}},
    {Notices::CREDIT_FINE, "credit fine", {"keep", nullptr, nullptr}},
    {Notices::PLANE_DAMAGE, "plane damage", {"yes", "no", nullptr}},
    {Notices::PLANE_CRASH, "plane crash", {"replace", "shutdown", nullptr}},
    {Notices::NEW_MODEL, "new model", {"ok", nullptr, nullptr}},
    {Notices::MODEL_WITHDRAWAL, "model withdrawal", {"ok", nullptr, nullptr}},
    {Notices::BAD_WEATHER, "bad weather", {"ok", nullptr, nullptr}},
    {Notices::SMUGGLING_OFFER, "smuggling offer", {"reject", "accept", nullptr}},
    {Notices::SMUGGLING_DETECTED, "smuggling detected", {"ok", nullptr, nullptr}},
    {Notices::STAFF_STRIKE, "staff strike", {"ok", nullptr, nullptr}},
    {Notices::ROUTE_OFFER, "route offer", {"ok", nullptr, nullptr}},
    {Notices::ROUTE_OFFER_EXPIRED, "route offer expired", {"ok", nullptr, nullptr}},
    {Screens::ROUTE_AWARD, "route award", {"ok", nullptr, nullptr}},
    {Notices::AGENCY_OFFER, "agency offer", {"accept", "reject", nullptr}},
    {Notices::AGENCY_SHORT_OF_SEATS, "agency short of seats", {"ok", nullptr, nullptr}},
    {Notices::AGENCY_DEMAND_FALLEN, "agency demand fallen", {"ok", nullptr, nullptr}},
    {Notices::CHARITY_OFFER, "charity offer", {"assign", "ok", nullptr}},
    {Screens::CHARITY_WARNING, "charity flight given up", {"proceed", "cancel", nullptr}},
    {Screens::CHARITY_WARNING_2, "charity flight given up", {"proceed", "cancel", nullptr}},
    {Notices::CHARITY_NO_PLANE, "no plane for the charity flight", {"ok", nullptr, nullptr}},
    {Notices::CHARITY_EXPIRED, "charity offer expired", {"ok", nullptr, nullptr}},
    {Notices::VIP_OFFER, "VIP offer", {"assign", "ok", nullptr}},
    {Screens::VIP_WARNING, "VIP flight given up", {"proceed", "cancel", nullptr}},
    {Screens::VIP_WARNING_2, "VIP flight given up", {"proceed", "cancel", nullptr}},
    {Notices::VIP_NO_PLANE, "no plane for the VIP flight", {"ok", nullptr, nullptr}},
    {Notices::VIP_EXPIRED, "VIP offer expired", {"ok", nullptr, nullptr}},
    {Notices::THUNDERSTORM, "thunderstorm", {"ok", nullptr, nullptr}},
    {Notices::STRONG_WIND, "strong wind", {"ok", nullptr, nullptr}},
    {Notices::THICK_FOG, "thick fog", {"ok", nullptr, nullptr}},
    {Notices::MANEUVERS, "military manoeuvres", {"ok", nullptr, nullptr}},
    {Notices::BIRTH_IN_AIR, "birth in the air", {"ok", nullptr, nullptr}},
    {Notices::HEART_ATTACK, "heart attack", {"ok", nullptr, nullptr}},
    {Notices::FOOD_POISONING, "food poisoning", {"ok", nullptr, nullptr}},
    {Notices::EMERGENCY_STATE, "state of emergency", {"ok", nullptr, nullptr}},
    {Notices::ECONOMY_GROWS, "economy grows", {"ok", nullptr, nullptr}},
    {Notices::ECONOMY_FALLS, "economy falls", {"ok", nullptr, nullptr}},
    {Notices::ECONOMY_LEVELS, "economy levels", {"ok", nullptr, nullptr}},
};

const NoticeChoices* FindChoices(int32_t notice)
{
    for (const NoticeChoices& entry : kChoices)
    {
        if (entry.notice == notice)
            return &entry;
    }
    return nullptr;
}

const char* NoticeName(int32_t notice)
{
    const NoticeChoices* entry = FindChoices(notice);
    return entry ? entry->name : "notice";
}

const char* GameOverName(int32_t reason)
{
    switch (reason)
    {
    case Screens::GAME_OVER_RETIRED:
        return "retired";
    case Notices::GAME_OVER_BANKRUPTCY:
        return "bankruptcy";
    case Notices::GAME_OVER_HALF_OF_ROUTES:
        return "half of the routes closed";
    case Notices::GAME_OVER_FINAL_YEAR:
        return "final year";
    case Notices::GAME_OVER_LAST_PLANE:
        return "last plane lost";
    default:
        return "game over";
    }
}

bool IsPlaneNotice(int32_t notice)
{
    switch (notice)
    {
    case Notices::PLANE_DAMAGE:
    case Notices::PLANE_CRASH:
    case Notices::SMUGGLING_OFFER:
    case Notices::SMUGGLING_DETECTED:
    case Notices::AGENCY_OFFER:
    case Notices::AGENCY_SHORT_OF_SEATS:
    case Notices::AGENCY_DEMAND_FALLEN:
    case Notices::BIRTH_IN_AIR:
    case Notices::HEART_ATTACK:
    case Notices::FOOD_POISONING:
        return true;
    default:
        return false;
    }
}

bool IsAirportNotice(int32_t notice)
{
    switch (notice)
    {
    case Notices::BAD_WEATHER:
    case Notices::STAFF_STRIKE:
    case Notices::ROUTE_OFFER:
    case Notices::ROUTE_OFFER_EXPIRED:
    case Notices::CHARITY_OFFER:
    case Notices::CHARITY_EXPIRED:
    case Notices::VIP_OFFER:
    case Notices::VIP_EXPIRED:
    case Notices::THUNDERSTORM:
    case Notices::STRONG_WIND:
    case Notices::THICK_FOG:
    case Notices::MANEUVERS:
    case Notices::EMERGENCY_STATE:
        return true;
    default:
        return false;
    }
}

bool IsModelNotice(int32_t notice)
{
    return notice == Notices::NEW_MODEL || notice == Notices::MODEL_WITHDRAWAL;
}

// A rate answer: "keep" or a whole percent from 1 to 30.
bool ParseRate(const std::string& choice, int64_t* rate)
{
    if (choice.empty() || choice.size() > 2 || !std::all_of(choice.begin(), choice.end(), ::isdigit))
        return false;
    *rate = std::atoi(choice.c_str());
    return *rate >= 1 && *rate <= 30;
}

Time Now()
{
    return TimeSimulation::GetCurrGameTime();
}
} // namespace

ScriptedNoticeSink::ScriptedNoticeSink(SimOutput& output) : _output(output), _shown(0), _gameOver(0)
{
}

void ScriptedNoticeSink::StartGame()
{
    _shown = 0;
    _gameOver = 0;
}

bool ScriptedNoticeSink::SetAnswer(int32_t notice, const std::string& choice, std::string* error)
{
    const NoticeChoices* entry = FindChoices(notice);
    if (!entry)
    {
        *error = "no notice " + std::to_string(notice) + " asks for an answer";
        return false;
    }
    int64_t rate = 0;
    if ((notice == Notices::CHANGE_RATE || notice == Notices::CREDIT_FINE) && ParseRate(choice, &rate))
    {
        _answers[notice] = choice;
        return true;
    }
    std::string offered;
    for (const char* c : entry->choices)
    {
        if (!c)
            continue;
        if (choice == c)
        {
            _answers[notice] = choice;
            return true;
        }
        offered += offered.empty() ? c : std::string(", ") + c;
    }
    if (notice == Notices::CHANGE_RATE || notice == Notices::CREDIT_FINE)
        offered += ", or a rate from 1 to 30";
    *error = "notice " + std::to_string(notice) + " is answered with " + offered + ", not \"" + choice + "\"";
    return false;
}

std::string ScriptedNoticeSink::AnswerFor(int32_t notice) const
{
    const auto found = _answers.find(notice);
    if (found != _answers.end())
        return found->second;
    const NoticeChoices* entry = FindChoices(notice);
    return entry ? entry->choices[0] : "ok";
}

void ScriptedNoticeSink::ShowNotice(int32_t notice)
{
    ++_shown;
    const std::string choice = AnswerFor(notice);
    SimOutput::Record line = _output.Line("notice");
    line.Int("n", notice)
        .Str("name", NoticeName(notice))
        .Str("date", SimOutput::Date(Now()))
        .Str("answer", choice);

    Plane* plane = IsPlaneNotice(notice) ? Enviroment::GetDialogPlane() : nullptr;
    if (plane)
        line.Int("plane", plane->_id);
    if (IsModelNotice(notice))
        line.Int("model", Enviroment::GetDialogModel());
    AirportDetails* airport = IsAirportNotice(notice) ? Enviroment::GetDialogAirport() : nullptr;
    if (airport)
        line.Int("airport", airport->_airport);

    // The script's choice is the first (usual) one or the other; for the
    // rate notices a percent.
    NoticePlayer::Answer answer = NoticePlayer::Usual(notice);
    const NoticeChoices* entry = FindChoices(notice);
    answer.take = entry && choice == entry->choices[0];
    if (notice == Notices::SMUGGLING_OFFER)
        answer.take = choice == "accept";
    int64_t rate = 0;
    if (ParseRate(choice, &rate))
        answer.rate = static_cast<int32_t>(rate);
    const NoticePlayer::Outcome outcome = NoticePlayer::Play(notice, plane, airport, answer, Now());

    switch (notice)
    {
    case Notices::CHANGE_RATE:
        line.Int("rate", outcome.rate);
        break;
    case Notices::CREDIT_FINE:
        line.Int("fine", outcome.amount).Int("rate", outcome.rate);
        break;
    case Notices::PLANE_DAMAGE:
        if (plane)
            line.Int("cost", outcome.amount);
        line.Str("result", outcome.result);
        break;
    case Notices::PLANE_CRASH:
        if (!outcome.result)
            break;
        line.Str("result", outcome.result);
        if (outcome.plane)
            line.Int("replacement", outcome.plane->_id);
        break;
    case Notices::SMUGGLING_OFFER:
        line.Int("payment", outcome.amount).Str("result", outcome.result);
        break;
    case Notices::SMUGGLING_DETECTED:
        line.Int("fine", outcome.amount);
        break;
    case Notices::AGENCY_OFFER:
        line.Int("tickets", outcome.tickets).Int("discount", outcome.discount).Str("result", outcome.result);
        break;
    case Notices::CHARITY_OFFER:
    case Notices::VIP_OFFER:
        if (!airport)
            break;
        line.Int("to", airport->_reserved_a).Str("result", outcome.result);
        if (outcome.plane)
            line.Int("assigned", outcome.plane->_id);
        if (outcome.shown != 0)
        {
            // The "No free plane" notice takes the place of the plane choice.
            ++_shown;
            line.Int("shown", outcome.shown);
        }
        break;
    case Notices::ROUTE_OFFER:
        if (airport)
            line.Int("to", airport->_reserved_a).Int("reward", outcome.amount);
        break;
    case Notices::FOOD_POISONING:
        line.Int("settlement", outcome.amount);
        break;
    default:
        break;
    }
}

bool ScriptedNoticeSink::ConfirmContractBreak(int32_t notice, AirportDetails* flight)
{
    ++_shown;
    const std::string answer = AnswerFor(notice);
    SimOutput::Record line = _output.Line("notice");
    line.Int("n", notice)
        .Str("name", NoticeName(notice))
        .Str("date", SimOutput::Date(Now()))
        .Str("answer", answer);
    if (flight)
        line.Int("airport", flight->_airport);
    if (answer != "proceed")
        return false;
    if (flight)
        NoticeActions::FreeSpecialFlight(flight, Now());
    return true;
}

void ScriptedNoticeSink::ShowAward(int64_t award)
{
    ++_shown;
    _output.Line("notice")
        .Int("n", Screens::ROUTE_AWARD)
        .Str("name", NoticeName(Screens::ROUTE_AWARD))
        .Str("date", SimOutput::Date(Now()))
        .Str("answer", "ok")
        .Int("award", award);
}

void ScriptedNoticeSink::GameOver(int32_t reason)
{
    // The first ending stands: the game-over screen stops the game at once.
    if (_gameOver != 0)
        return;
    _gameOver = reason;
    _output.Line("gameover")
        .Int("reason", reason)
        .Str("name", GameOverName(reason))
        .Str("date", SimOutput::Date(Now()));
}
