#include "Common/Gui/Forms/AirportDetailsForm.h"

#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Forms/CentralFormChanger.h"

#include <cstring>
#include <string>
#include <utility>

namespace
{
using enum AirportDetailsForm::Button;

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, 20, 50, "Name:"},
    {GfxResources::FONT_TEXT, 20, 100, "Country:"},
};

constexpr ScreenButton BUTTONS[] = {
    {DEMAND, "sr_Demand_button.bmp", 43, 190},
    {RISK, "sr_Risk_button.bmp", 136, 190},
    {OK, "sr_Ok_button.bmp", 11, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Airport details", 10, 7, TEXTS, BUTTONS,
};

constexpr int32_t VALUE_X = 30;
constexpr int32_t NAME_Y = 68;
constexpr int32_t COUNTRY_Y = 118;
constexpr int32_t OFFICE_Y = 150;
// Names longer than this many characters take a second line.
constexpr size_t LINE_CHARACTERS = 26;

// The airport's name in at most two lines, broken at the last space that
// keeps the first line short enough.
std::pair<std::string, std::string> NameLines(const std::string& name)
{
    if (name.size() <= LINE_CHARACTERS)
        return {name, ""};
    size_t cut = name.rfind(' ', LINE_CHARACTERS);
    if (cut == std::string::npos || cut == 0)
        cut = LINE_CHARACTERS;
    const size_t rest = name[cut] == ' ' ? cut + 1 : cut;
    return {name.substr(0, cut), name.substr(rest)};
}
} // namespace

AirportDetailsForm::AirportDetailsForm(int32_t number) : SRForm(number, LAYOUT)
{
    static constexpr const char* BITMAPS[] = {
        "sr_Popup8Research_button.bmp",
        "sr_Popup8Advertise_button.bmp",
        "sr_Popup8Buy_button.bmp",
        "sr_Popup8Sell_button.bmp",
    };
    const Company* company = Enviroment::GetCompany();
    const int32_t airport = Navigation()->GetCurrentAirport();
    const bool disabled[] = {
        false,
        !company->MayAdvertise(airport),
        company->HasOffice(airport),
        !company->HasOffice(airport),
    };
    _popup = new PopupMenu(80, 238, "sr_Opts_button.bmp", this);
    for (int32_t entry = RESEARCH; entry <= SELL; ++entry)
    {
        _popup->AddItem(
            BITMAPS[entry], [this, entry](PopupItem*) { Act(static_cast<Entry>(entry)); }, disabled[entry]);
    }
    Widgets().AddWidget(_popup);
}

void AirportDetailsForm::Act(Entry entry)
{
    const Company* company = Enviroment::GetCompany();
    const int32_t airport = Navigation()->GetCurrentAirport();
    switch (entry)
    {
    case RESEARCH:
        switch (company->ResearchChoiceFor(airport, TimeSimulation::GetCurrGameTime()))
        {
        case Company::ResearchChoice::CANNOT_AFFORD:
            GoTo(Screens::RESEARCH_CANNOT_AFFORD);
            break;
        case Company::ResearchChoice::NOT_NEEDED:
            GoTo(Screens::RESEARCH_NOT_NEEDED);
            break;
        case Company::ResearchChoice::ASK:
            GoTo(Screens::RESEARCH);
            break;
        }
        break;
    case ADVERTISE:
        GoTo(Screens::ADVERTISING);
        break;
    case BUY:
        GoTo(company->CanAffordOffice(airport) ? Screens::BUY_OFFICE : Screens::BUY_OFFICE_CANNOT_AFFORD);
        break;
    case SELL:
        GoTo(Screens::SELL_OFFICE);
        break;
    }
}

void AirportDetailsForm::OnButton(int32_t id)
{
    switch (id)
    {
    case OK:
        GoTo(Screens::AIRPORTS);
        break;
    case DEMAND:
        GoTo(Screens::DEMAND_INFO);
        break;
    case RISK:
        GoTo(Screens::RISK_INFO);
        break;
    }
}

void AirportDetailsForm::PaintContent()
{
    const int32_t airport = Navigation()->GetCurrentAirport();
    const AirportInfo info = Enviroment::GetAirport(airport);
    const auto [first, second] = NameLines(std::string(info._name, strnlen(info._name, sizeof(info._name))));
    DrawText(GfxResources::FONT_YELLOW, VALUE_X, NAME_Y, first.c_str());
    if (!second.empty())
        DrawText(GfxResources::FONT_YELLOW, VALUE_X, NAME_Y + 14, second.c_str());
    const std::string country(info._country, strnlen(info._country, sizeof(info._country)));
    DrawText(GfxResources::FONT_YELLOW, VALUE_X, COUNTRY_Y, country.c_str());
    if (Enviroment::GetCompany()->HasOffice(airport))
        DrawText(GfxResources::FONT_TEXT, 20, OFFICE_Y, "Office present.");
}
