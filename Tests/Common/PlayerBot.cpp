#include "PlayerBot.h"

#include "Common/Backend/Notices.h"
#include "WinCE/Host/HostScript.h"

#include <initializer_list>

namespace
{
// The idle steps after a press or a key, long enough for the navigation
// form to build the next screen and for that screen to paint.
constexpr const char* SETTLE = "wait 75";

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

PlayerBot::PlayerBot(HostScript& script) : _script(script)
{
}

ScreenDump PlayerBot::Look() const
{
    return _script.Describe();
}

bool PlayerBot::Do(const std::string& line)
{
    std::string error;
    if (_script.Execute(line, &error))
        return true;
    _failure = line + ": " + error;
    return false;
}

bool PlayerBot::Press(const std::string& bitmap)
{
    return Do("press " + bitmap) && Do(SETTLE);
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
    int turn = _answered[notice] % offered;
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
    return Do(row) && Do(SETTLE) && Do(row) && Do(SETTLE);
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
    case Screens::AGENCY_OFFER:
        return PressInTurn(screen, number, {"sr_Accept_button.bmp", "sr_Reject_button.bmp"});
    case Screens::CHARITY_OFFER:
    case Screens::VIP_OFFER:
        return PressInTurn(screen, number, {"sr_AssignPlane_button.bmp", "sr_Ok_button.bmp"});
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
        if (!screen.items.empty() && ChooseFirstRow(screen) && Offers(Look(), "sr_Ok_button.bmp"))
            return Press("sr_Ok_button.bmp");
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
    return Do("key start") && Do(SETTLE);
}
