// NoticeForm: the dialog of every event notice that only informs (the
// weather and closures of airports, the economy, model news, expiries,
// withdrawals of travel agencies, incidents on board, ...), and the base of
// the notices that ask for a decision.
//
// An informational notice is one row of a constant table: its title and its
// lines, each line a format and the kind of figure it shows (an airport as
// "city, country", a plane's name, a model's figures, an amount). The lines
// are filled in once, when the notice is built, from the dialog subject slots
// the event has just set, so several incidents in a row each show their own
// subject, and a notice keeps showing what it was opened for even while the
// world runs on underneath. Ok goes back to the screen the notice covered.
//
// The deciding notices derive from this class: they fill their lines from
// the terms they draw and bring their own buttons.
#pragma once

#include "Common/Backend/Time.h"
#include "Common/Gui/Forms/SRForm.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class AirportDetails;
class Plane;
class Route;

class NoticeForm : public SRForm
{
public:
    // The terms an offer notice drew, kept until the offer is answered. A
    // notice left through the main menu and resumed (game time stood still
    // meanwhile) is built again for the same plane at the same moment and
    // shows the very terms it showed before instead of drawing new ones; the
    // navigation state saves them with the game, so that holds across a
    // restart of the program too.
    struct KeptOffer
    {
        int32_t notice = 0; // none is kept while 0
        int32_t planeId = -1;
        Time at;
        std::array<int64_t, 3> terms{};

        bool Holds(int32_t number, int32_t plane, const Time& now) const
        {
            return notice != 0 && notice == number && planeId == plane && at.Equals(now);
        }
    };
    // The one offer kept (only one notice is open at a time).
    static KeptOffer& Kept();
    // The terms kept for offer `number` to `plane` now, drawn afresh by
    // `draw` (returning the three terms) when none are.
    template <class Draw>
    static const std::array<int64_t, 3>& KeptTerms(int32_t number, int32_t plane, const Time& now, Draw draw)
    {
        KeptOffer& kept = Kept();
        if (!kept.Holds(number, plane, now))
            kept = KeptOffer{number, plane, now, draw()};
        return kept.terms;
    }

    // The button ids of the notice family.
    enum Button
    {
        OK,
        YES,
        NO,
        ACCEPT,
        REJECT,
        REPLACE,
        SHUT_DOWN,
        ASSIGN_PLANE,
        PROCEED,
        CANCEL,
        FREE,
    };
    // Accept and Reject of the offers a route's plane receives.
    static constexpr ScreenButton ACCEPT_REJECT[] = {
        {ACCEPT, "sr_Accept_button.bmp", 24, 238},
        {REJECT, "sr_Reject_button.bmp", 136, 238},
    };
    // The text lines stand one LINE_STEP apart, closer when there are too
    // many for that, centred in the window between its title band (LINES_TOP)
    // and the buttons (LINES_BOTTOM, where the last line must end).
    static constexpr int32_t LINES_TOP = 72;
    static constexpr int32_t LINES_BOTTOM = 186;
    static constexpr int32_t LINE_HEIGHT = 12;
    static constexpr int32_t LINE_STEP = 15;
    static constexpr int32_t TITLE_Y = 53;

    // One line as drawn: its text and its font.
    struct Line
    {
        std::string text;
        int32_t font;
    };

    // Builds the informational notice `number` (it must have a table row).
    explicit NoticeForm(int32_t number);

    // Whether `number` is a notice this class serves on its own.
    static bool IsInformational(int32_t number);
    // The title of the informational notice `number`, or null.
    static const char* InformationalTitle(int32_t number);

    const std::vector<Line>& GetLines() const { return _lines; }
    // The y of line `index` of `count` lines.
    static int32_t LineY(int32_t index, int32_t count);

    // The place line of an airport: "city, country"; empty for none.
    static std::string AirportPlace(int32_t airport);
    // "<city>'s" for the city of an airport, as the agency and charity lines
    // name their towns.
    static std::string CityPossessive(int32_t airport);

protected:
    // A deciding notice: `title` over the lines it adds, with `buttons`.
    NoticeForm(int32_t number, const char* title, std::span<const ScreenButton> buttons);
    // A notice with a layout of its own (a full screen rather than a dialog).
    NoticeForm(int32_t number, const ScreenLayout& layout);

    void AddLine(const std::string& text, int32_t font);
    void AddText(const std::string& text);
    void AddAmount(const std::string& text);

    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    void FillFromTable();

    std::vector<Line> _lines;
};
