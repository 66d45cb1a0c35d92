#include "Common/Gui/Forms/NoticeForm.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/PlaneModel.h"
#include "Common/Backend/Route.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "Common/LocaleDate.h"
#include "WinCE/Assert.h"

#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <initializer_list>

namespace
{
// What a line of the table shows besides its own text.
enum class Figure
{
    // The format is the whole line.
    NONE,
    // The dialog airport as "city, country" ("%s, %s").
    AIRPORT,
    // The dialog plane's name ("%s").
    PLANE,
    // The figures of the dialog model: name ("%s"), price ("%lld"), speed,
    // range (km, or miles with the imperial format), capacity and the months
    // of service left after a withdrawal ("%d").
    MODEL_NAME,
    MODEL_PRICE,
    MODEL_SPEED,
    MODEL_RANGE,
    MODEL_CAPACITY,
    MODEL_RUNOUT,
    // The amount the world no longer holds once its event is over: the fine
    // of a detected smuggling run, the award for an offered route ("%lld").
    NOTICE_AMOUNT,
    // The open offer of the dialog airport: where to ("%s, %s"), until when
    // ("%s", the date) and what it pays ("%lld").
    OFFER_DESTINATION,
    OFFER_DATE,
    OFFER_VALUE,
    // The travel agency on the dialog plane's route: its town ("%s", as
    // "<city>'s"), the tickets it buys and the discount it has ("%d").
    AGENCY_CITY,
    AGENCY_TICKETS,
    AGENCY_DISCOUNT,
};

struct TableLine
{
    Figure figure;
    const char* format;
    // The format used with miles, when the figure is a distance or speed.
    const char* imperial;
    int32_t font;
};

constexpr int32_t TEXT = GfxResources::FONT_TEXT;
constexpr int32_t AMOUNT = GfxResources::FONT_YELLOW;

constexpr TableLine L(const char* text)
{
    return {Figure::NONE, text, nullptr, TEXT};
}
constexpr TableLine F(Figure figure, const char* format, int32_t font = TEXT)
{
    return {figure, format, nullptr, font};
}
constexpr TableLine U(Figure figure, const char* metric, const char* imperial)
{
    return {figure, metric, imperial, TEXT};
}

constexpr TableLine PLACE = F(Figure::AIRPORT, "%s, %s");

struct TableRow
{
    int32_t first;
    int32_t last;
    const char* title;
    std::initializer_list<TableLine> lines;
};

// Every notice that only informs, in number order. The route screens open
// 59 with the award in the notice amount and 63 with the route's plane in the
// dialog plane slot. Notice 57 is the route
// offer shown again from the airport screens, which put the offering airport
// in the dialog airport slot first; notices 71 and 80 are the "No free plane"
// answers given there, the same as 70 and 79.
const TableRow ROWS[] = {
    {Screens::NEW_MODEL,
     Screens::NEW_MODEL,
     "Plane new model",
     {L("New plane model has been put"), L("on the market:"), F(Figure::MODEL_NAME, "Model: %s"),
      F(Figure::MODEL_PRICE, "Price: $%" PRId64), U(Figure::MODEL_SPEED, "Speed: %d km/h", "Speed: %d mph"),
      U(Figure::MODEL_RANGE, "Range: %d km", "Range: %d miles"), F(Figure::MODEL_CAPACITY, "Capacity: %d")}},
    {Screens::MODEL_WITHDRAWAL,
     Screens::MODEL_WITHDRAWAL,
     "Plane model withdrawal",
     {F(Figure::MODEL_NAME, "%s"), L("is not for sale anymore."),
      F(Figure::MODEL_RUNOUT, "You have %d months to replace"), L("all your planes that match"),
      L("this model.")}},
    {Screens::BAD_WEATHER,
     Screens::BAD_WEATHER_2,
     "Bad weather",
     {PLACE, L("The airport"), L("will be closed for a few days"), L("because of extremely"),
      L("bad weather.")}},
    {Screens::SMUGGLING_DETECTED,
     Screens::SMUGGLING_DETECTED,
     "Smuggling detected",
     {L("You have been caught"), L("smuggling! You have been fined"),
      F(Figure::NOTICE_AMOUNT, "$ %" PRId64, AMOUNT), L("Additionally, your plane has to be"),
      L("thoroughly checked so it will be"), L("held by the police for a few days.")}},
    {Screens::STAFF_STRIKE,
     Screens::STAFF_STRIKE,
     "Airport staff strike",
     {PLACE, L("Airport's staff has announced"), L("a strike tomorrow."), L("The airport will be closed"),
      L("for a whole day.")}},
    {Screens::ROUTE_OFFER,
     Screens::ROUTE_OFFER_INFO,
     "Offer",
     {L("from:"), PLACE, L("to:"), F(Figure::OFFER_DESTINATION, "%s, %s"), L("You've been given an offer"),
      L("to set up the route"), L("before the end of"), F(Figure::OFFER_DATE, "%s"),
      L("If you succeed, you will be paid:"), F(Figure::OFFER_VALUE, "$%" PRId64, AMOUNT)}},
    {Screens::ROUTE_OFFER_EXPIRED,
     Screens::ROUTE_OFFER_EXPIRED,
     "Offer expired",
     {L("from:"), PLACE, L("The offer of setting up a route"), L("has just expired.")}},
    {Screens::ROUTE_AWARD,
     Screens::ROUTE_AWARD,
     "Offer",
     {L("Congratulations!"), L("You have been awarded:"), F(Figure::NOTICE_AMOUNT, "$%" PRId64, AMOUNT)}},
    {Screens::AGENCY_SHORT_OF_SEATS,
     Screens::AGENCY_SHORT_OF_SEATS,
     "Withdrawn",
     {F(Figure::AGENCY_CITY, "%s travel agency"), L("has just withdrawn from"),
      L("contract because you are not"), L("able to carry desired number of"), L("their passengers.")}},
    {Screens::AGENCY_DEMAND_FALLEN,
     Screens::AGENCY_DEMAND_FALLEN,
     "Withdrawn",
     {F(Figure::AGENCY_CITY, "%s travel agency"), L("has just withdrawn from"),
      L("contract because passengers"), L("demand has rapidly fallen"), L("down recently.")}},
    {Screens::CONTRACT_INFO,
     Screens::CONTRACT_INFO,
     "Contract info",
     {L("You have the contract with"), F(Figure::AGENCY_CITY, "%s travel agency."),
      F(Figure::AGENCY_TICKETS, "They buy %d tickets for each"), L("flight on this route and"),
      F(Figure::AGENCY_DISCOUNT, "you guarntee them %d%% off.")}},
    {Screens::CHARITY_NO_PLANE,
     Screens::CHARITY_NO_PLANE_2,
     "No free plane",
     {L("Unfortunately, at this moment"), L("you don't have any free planes"),
      L("that will fit this flight.")}},
    {Screens::CHARITY_EXPIRED,
     Screens::CHARITY_EXPIRED,
     "Offer expired",
     {L("from:"), PLACE, L("The offer of charity flight"), L("has just expired.")}},
    {Screens::VIP_NO_PLANE,
     Screens::VIP_NO_PLANE_2,
     "No free plane",
     {L("Unfortunately, at this moment"), L("you don't have any free planes"),
      L("that will fit this flight.")}},
    {Screens::VIP_EXPIRED,
     Screens::VIP_EXPIRED,
     "Offer expired",
     {L("from:"), PLACE, L("The offer of VIP flight"), L("has just expired.")}},
    {Screens::THUNDERSTORM,
     Screens::THUNDERSTORM,
     "Thunderstorm",
     {PLACE, L("Enormous thunderstorm"), L("raging over:"), L("caused emergency"), L("airport closure.")}},
    {Screens::STRONG_WIND,
     Screens::STRONG_WIND,
     "Strong wind",
     {PLACE, L("Extremely strong wind"), L("blowing over:"), L("caused emergency"), L("airport closure.")}},
    {Screens::THICK_FOG,
     Screens::THICK_FOG,
     "Thick Fog",
     {PLACE, L("Thick fog"), L("lingering over:"), L("caused emergency"), L("airport closure.")}},
    {Screens::MANEUVERS,
     Screens::MANEUVERS,
     "Maneuvers",
     {PLACE, L("Government has announced"), L("military maneuvers tomorrow."), L("The airport"),
      L("will be closed for a whole day.")}},
    {Screens::BIRTH_IN_AIR,
     Screens::BIRTH_IN_AIR,
     "Birth in air",
     {L("The child was born"), L("during the flight."), L("Passengers are pleased.")}},
    {Screens::HEART_ATTACK,
     Screens::HEART_ATTACK,
     "Heart attack",
     {L("One of passengers on"), F(Figure::PLANE, "%s"), L("had a heart attack."),
      L("It caused an emergency landing."), L("Passengers are dissatisfied.")}},
    {Screens::EMERGENCY_STATE,
     Screens::EMERGENCY_STATE,
     "Emergency state",
     {L("State of emergency announced in"), PLACE, L("All routes running through"),
      L("this airport have been closed.")}},
    {Screens::ECONOMY_GROWS,
     Screens::ECONOMY_GROWS,
     "Economy grows",
     {L("The economy is growing"), L("Maybe it's a good time"), L("to make some investments.")}},
    {Screens::ECONOMY_FALLS,
     Screens::ECONOMY_FALLS,
     "Economy falls",
     {L("The economy is falling down"), L("Manage your means wisely.")}},
    {Screens::ECONOMY_LEVELS, Screens::ECONOMY_LEVELS, "Economy levels out", {L("The economy levels out.")}},
};

const TableRow* FindRow(int32_t number)
{
    for (const TableRow& row : ROWS)
    {
        if (number >= row.first && number <= row.last)
            return &row;
    }
    return nullptr;
}

constexpr ScreenButton OK_BUTTON[] = {
    {NoticeForm::OK, "sr_Ok_button.bmp", 89, 189},
};

ScreenLayout LayoutOf(const char* title, std::span<const ScreenButton> buttons)
{
    return {ScreenLayout::Top::FRAMED, false, false,  title, SRForm::CENTRED,
            NoticeForm::TITLE_Y,       {},    buttons};
}

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Printf(const char* format, ...)
{
    char text[128];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    return text;
}

// Kilometres as the game options show them: miles are the kilometres
// divided by 1.609, cut to a whole number.
int32_t InUnits(int64_t kilometres)
{
    if (GameOptions::UsesKilometres())
        return static_cast<int32_t>(kilometres);
    return static_cast<int32_t>(static_cast<double>(kilometres) / 1.609);
}

const PlaneModel* DialogModel(PlaneModel* storage)
{
    const int32_t model = Enviroment::GetDialogModel();
    if (model < 0 || model >= Enviroment::GetModelCount())
        return nullptr;
    *storage = Enviroment::GetPlaneModel(model);
    return storage;
}
} // namespace

NoticeForm::KeptOffer& NoticeForm::Kept()
{
    static KeptOffer kept;
    return kept;
}

NoticeForm::NoticeForm(int32_t number) : SRForm(number, LayoutOf(InformationalTitle(number), OK_BUTTON))
{
    ASSERT(IsInformational(number) && "an informational notice needs its table row");
    FillFromTable();
}

NoticeForm::NoticeForm(int32_t number, const char* title, std::span<const ScreenButton> buttons)
    : SRForm(number, LayoutOf(title, buttons))
{
}

NoticeForm::NoticeForm(int32_t number, const ScreenLayout& layout) : SRForm(number, layout) {}

bool NoticeForm::IsInformational(int32_t number)
{
    return FindRow(number) != nullptr;
}

const char* NoticeForm::InformationalTitle(int32_t number)
{
    const TableRow* row = FindRow(number);
    return row ? row->title : nullptr;
}

int32_t NoticeForm::LineY(int32_t index, int32_t count)
{
    // The block of lines is centred on the frame's free middle, between the
    // title and the buttons.
    const int32_t room = LINES_BOTTOM - LINE_HEIGHT - LINES_TOP;
    const int32_t step = count > 1 ? std::min(LINE_STEP, room / (count - 1)) : LINE_STEP;
    const int32_t block = (count - 1) * step + LINE_HEIGHT;
    return LINES_TOP + (LINES_BOTTOM - LINES_TOP - block) / 2 + index * step;
}

std::string NoticeForm::AirportPlace(int32_t airport)
{
    if (airport < 0 || airport >= Enviroment::AIRPORT_COUNT)
        return "";
    const AirportInfo info = Enviroment::GetAirport(airport);
    return Printf("%.20s, %.20s", info._short_name, info._country);
}

std::string NoticeForm::CityPossessive(int32_t airport)
{
    if (airport < 0 || airport >= Enviroment::AIRPORT_COUNT)
        return "";
    const AirportInfo info = Enviroment::GetAirport(airport);
    return Printf("%.20s's", info._short_name);
}

void NoticeForm::AddLine(const std::string& text, int32_t font)
{
    _lines.push_back({text, font});
}

void NoticeForm::AddText(const std::string& text)
{
    AddLine(text, GfxResources::FONT_TEXT);
}

void NoticeForm::AddAmount(const std::string& text)
{
    AddLine(text, GfxResources::FONT_YELLOW);
}

void NoticeForm::FillFromTable()
{
    const TableRow* row = FindRow(GetNumber());
    const AirportDetails* details = Enviroment::GetDialogAirport();
    const Plane* plane = Enviroment::GetDialogPlane();
    const Route* route = plane ? plane->GetRoute() : nullptr;
    PlaneModel storage{};
    const PlaneModel* model = DialogModel(&storage);
    const bool metric = GameOptions::UsesKilometres();
    for (const TableLine& line : row->lines)
    {
        const char* format = !metric && line.imperial ? line.imperial : line.format;
        std::string text;
        switch (line.figure)
        {
        case Figure::NONE:
            text = format;
            break;
        case Figure::AIRPORT:
            text = details ? AirportPlace(details->_airport) : "";
            break;
        case Figure::PLANE:
            text = plane ? Printf(format, plane->_name.c_str()) : "";
            break;
        case Figure::MODEL_NAME:
            text = model ? Printf(format, model->_name) : "";
            break;
        case Figure::MODEL_PRICE:
            text = model ? Printf(format, model->_price) : "";
            break;
        case Figure::MODEL_SPEED:
            text = model ? Printf(format, InUnits(model->_speed)) : "";
            break;
        case Figure::MODEL_RANGE:
            text = model ? Printf(format, InUnits(model->_range)) : "";
            break;
        case Figure::MODEL_CAPACITY:
            text = model ? Printf(format, model->_capacity) : "";
            break;
        case Figure::MODEL_RUNOUT:
            text = model ? Printf(format, model->_runout_months) : "";
            break;
        case Figure::NOTICE_AMOUNT:
            text = Printf(format, NoticeActions::GetNoticeAmount());
            break;
        case Figure::OFFER_DESTINATION:
            text = details ? AirportPlace(details->_reserved_a) : "";
            break;
        case Figure::OFFER_DATE:
        {
            char date[LOCALE_DATE_SIZE] = "";
            if (details)
                details->_expiry_date.FormatDate(date);
            text = Printf(format, date);
            break;
        }
        case Figure::OFFER_VALUE:
            text = details ? Printf(format, details->_event_value) : "";
            break;
        case Figure::AGENCY_CITY:
            text = route ? Printf(format, CityPossessive(route->_source).c_str()) : "";
            break;
        case Figure::AGENCY_TICKETS:
            text = route ? Printf(format, route->_agency_tickets) : "";
            break;
        case Figure::AGENCY_DISCOUNT:
            text = route ? Printf(format, route->_agency_reduction) : "";
            break;
        }
        AddLine(text, line.font);
    }
}

void NoticeForm::OnButton(int32_t id)
{
    if (id == OK)
        Back();
}

void NoticeForm::PaintContent()
{
    const int32_t count = static_cast<int32_t>(_lines.size());
    for (int32_t i = 0; i < count; ++i)
    {
        if (!_lines[i].text.empty())
            DrawCentred(_lines[i].font, LineY(i, count), _lines[i].text.c_str());
    }
}
