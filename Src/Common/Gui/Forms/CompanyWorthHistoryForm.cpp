#include "Common/Gui/Forms/CompanyWorthHistoryForm.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Statistics.h"
#include "Common/Backend/Time.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/ChoiceTabs.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/BitmapFont.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace
{
enum Button
{
    CURRENT,
};

constexpr ScreenButton BUTTONS[] = {
    {CURRENT, "sr_Current_button.bmp", 158, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Company worth", 10, 7, {}, BUTTONS,
};

constexpr ChoiceTabs::Tab TABS[] = {
    {"Total", 14, 36},
    {"This Year", 72, 36},
    {"This Month", 150, 36},
};

constexpr uint32_t AXIS_COLOUR = RGB(170, 170, 170);
constexpr uint32_t LINE_COLOUR = RGB(255, 0, 0);
constexpr int32_t TICK_TOP = 209;
constexpr int32_t TICK_BOTTOM = 211;
constexpr int32_t DATE_Y = 213;
// The scale label's left edge; it sits just above the vertical axis.
constexpr int32_t LABEL_X = 29;
// The graph's area: the line is clipped to it. It reaches past the last
// tick to the 44th year's point.
constexpr int32_t AREA_LEFT = CompanyWorthHistoryForm::FIRST_POINT_X;
constexpr int32_t AREA_RIGHT = 210;
constexpr int32_t AREA_TOP = CompanyWorthHistoryForm::AXIS_TOP;
// The arrow where the line leaves the graph: its length and the rows of its
// head, which widens by a pixel on each side per row.
constexpr int32_t ARROW_LENGTH = 9;
constexpr int32_t ARROW_HEAD = 3;

// Per period: the pixels between points, how many ticks, how many values
// the record keeps.
constexpr struct
{
    int32_t spacing;
    int32_t ticks;
    int32_t values;
} PERIODS[] = {
    {4, 42, Statistics::GAME_YEARS},
    {14, 12, Statistics::YEAR_MONTHS},
    {5, 31, Statistics::MONTH_DAYS},
};

// The row of a period; the screens never ask for another.
const auto& PeriodSpec(int32_t period)
{
    return PERIODS[std::clamp(period, 0, CompanyWorthHistoryForm::PERIOD_COUNT - 1)];
}

// The period shown last, kept between visits.
int32_t s_period = CompanyWorthHistoryForm::PERIOD_TOTAL;

int64_t Value(const Statistics& statistics, int32_t period, int32_t i)
{
    switch (period)
    {
    case CompanyWorthHistoryForm::PERIOD_TOTAL:
        return statistics.GetHistoryTotal(static_cast<uint32_t>(i));
    case CompanyWorthHistoryForm::PERIOD_THIS_YEAR:
        return statistics.GetHistoryYear(static_cast<uint32_t>(i));
    default:
        return statistics.GetHistoryMonth(static_cast<uint32_t>(i));
    }
}

// The index of the latest point of the period at `now`.
int32_t LastPoint(int32_t period, const Time& now)
{
    int32_t last = 0;
    switch (period)
    {
    case CompanyWorthHistoryForm::PERIOD_TOTAL:
        last = now._year - Statistics::FIRST_YEAR;
        break;
    case CompanyWorthHistoryForm::PERIOD_THIS_YEAR:
        last = now._month;
        break;
    default:
        last = now._day - 1;
        break;
    }
    return std::clamp(last, 0, PeriodSpec(period).values - 1);
}

std::string DateLabel(int32_t period, int32_t i)
{
    char text[16] = "";
    switch (period)
    {
    case CompanyWorthHistoryForm::PERIOD_TOTAL:
        if ((Statistics::FIRST_YEAR + i) % 10 == 0)
            std::snprintf(text, sizeof(text), "%d", static_cast<int>(Statistics::FIRST_YEAR + i));
        break;
    case CompanyWorthHistoryForm::PERIOD_THIS_YEAR:
        std::snprintf(text, sizeof(text), "%d", static_cast<int>(i + 1));
        break;
    default:
        if (i == 0 || (i + 1) % 5 == 0)
            std::snprintf(text, sizeof(text), "%d", static_cast<int>(i + 1));
        break;
    }
    return text;
}

struct Clipped
{
    bool visible;
    double x0, y0, x1, y1;
};

// Cuts the segment to the rows top..bottom (its x never leaves the area).
Clipped ClipRows(double x0, double y0, double x1, double y1, double top, double bottom)
{
    auto at = [&](double y) { return x0 + (x1 - x0) * (y - y0) / (y1 - y0); };
    if ((y0 < top && y1 < top) || (y0 > bottom && y1 > bottom))
        return {false, x0, y0, x1, y1};
    Clipped c{true, x0, y0, x1, y1};
    if (y0 < top)
        c = {true, at(top), top, c.x1, c.y1};
    else if (y0 > bottom)
        c = {true, at(bottom), bottom, c.x1, c.y1};
    if (y1 < top)
        c = {true, c.x0, c.y0, at(top), top};
    else if (y1 > bottom)
        c = {true, c.x0, c.y0, at(bottom), bottom};
    return c;
}

int32_t Round(double v)
{
    return static_cast<int32_t>(v < 0 ? v - 0.5 : v + 0.5);
}
} // namespace

CompanyWorthHistoryForm::CompanyWorthHistoryForm(int32_t number)
    : StatisticsForm(number, PAGE_HISTORY, LAYOUT, true),
      _dateDigits(std::make_unique<BitmapFont>("sr_digits_date.bmp", "sr_digits_date_mask.bmp", 0))
{
    _tabs = new ChoiceTabs(TABS, s_period, this,
                           [this](int32_t period)
                           {
                               s_period = period;
                               Invalidate();
                           });
    Widgets().AddWidget(_tabs);
    AddPopups();
}

CompanyWorthHistoryForm::~CompanyWorthHistoryForm() = default;

int32_t CompanyWorthHistoryForm::GetPeriod() const
{
    return _tabs->GetChosen();
}

void CompanyWorthHistoryForm::OnButton(int32_t id)
{
    if (id == CURRENT)
        ShowPage(PAGE_WORTH);
}

int64_t CompanyWorthHistoryForm::NiceScale(int64_t v)
{
    int64_t tens = 1;
    while (v >= 11)
    {
        v /= 10;
        tens *= 10;
    }
    const int64_t leading = v < 2 ? 2 : v < 5 ? 5 : 10;
    return leading * tens;
}

std::string CompanyWorthHistoryForm::ScaleLabel(int64_t scale)
{
    char text[32] = "";
    if (scale < 1000)
        std::snprintf(text, sizeof(text), "$ %" PRId64, scale);
    else if (scale / 1000 < 1000)
        std::snprintf(text, sizeof(text), "$ %" PRId64 "K", scale / 1000);
    else if (scale / 1000000 < 1000)
        std::snprintf(text, sizeof(text), "$ %" PRId64 "M", scale / 1000000);
    else if (scale / 1000000000 < 1000)
        std::snprintf(text, sizeof(text), "$ %" PRId64 "G", scale / 1000000000);
    return text;
}

int32_t CompanyWorthHistoryForm::Baseline()
{
    return GfxResources::GetBitmap(GfxResources::BMP_PANEL_MEDIUM)->GetImgRect().extent.y + 43;
}

CompanyWorthHistoryForm::Plot CompanyWorthHistoryForm::Compute(const Statistics& statistics, int32_t period,
                                                               const Time& now)
{
    ASSERT(period >= 0 && period < PERIOD_COUNT && "no such history period");
    const int32_t spacing = PeriodSpec(period).spacing;
    const int32_t last = LastPoint(period, now);
    const int32_t baseline = Baseline();
    Plot plot;
    for (int32_t i = 0; i < PeriodSpec(period).ticks; ++i)
    {
        const int32_t x = FIRST_POINT_X + spacing * i;
        plot.ticks.push_back(x);
        std::string date = DateLabel(period, i);
        if (!date.empty())
            plot.dates.emplace_back(x, std::move(date));
    }

    int64_t largest = Value(statistics, period, 0);
    for (int32_t i = 1; i <= last; ++i)
        largest = std::max(largest, Value(statistics, period, i));
    plot.scale = NiceScale(largest);
    plot.label = ScaleLabel(plot.scale);

    // In floating point: a worth far below zero lies millions of pixels
    // under the axis, which no pixel type holds.
    auto y = [&](int32_t i)
    { return baseline - static_cast<double>(Value(statistics, period, i)) * SCALE_HEIGHT / plot.scale; };
    const double top = AREA_TOP;
    const double bottom = baseline;
    const double first = y(0);
    if (first > bottom || first < top)
        plot.exits.push_back({FIRST_POINT_X, first > bottom ? baseline : AREA_TOP, first > bottom});
    for (int32_t i = 0; i < last; ++i)
    {
        const double x0 = FIRST_POINT_X + spacing * i;
        const double x1 = x0 + spacing;
        const double y0 = y(i);
        const double y1 = y(i + 1);
        const Clipped c = ClipRows(x0, y0, x1, y1, top, bottom);
        if (!c.visible)
            continue;
        const Segment s{Round(c.x0), Round(c.y0), Round(c.x1), Round(c.y1)};
        plot.segments.push_back(s);
        if (y1 > bottom || y1 < top)
            plot.exits.push_back({s.x1, s.y1, y1 > bottom});
    }
    return plot;
}

void CompanyWorthHistoryForm::PaintContent()
{
    GfxResources::GetBitmap(GfxResources::BMP_PANEL_MEDIUM)->Draw(this, PANEL_X, PANEL_Y, SRCCOPY);
    const int32_t baseline = Baseline();
    FillSolid(Rect{{AXIS_X, AXIS_TOP}, {1, AXIS_BOTTOM - AXIS_TOP}}, AXIS_COLOUR);
    FillSolid(Rect{{AXIS_LEFT, baseline}, {AXIS_RIGHT - AXIS_LEFT, 1}}, AXIS_COLOUR);
    // A notch on the vertical axis at the scale value.
    FillSolid(Rect{{AXIS_X - 3, baseline - SCALE_HEIGHT}, {3, 1}}, AXIS_COLOUR);

    const Plot plot = Compute(*Enviroment::GetStatistics(), GetPeriod(), TimeSimulation::GetCurrGameTime());
    for (const int32_t x : plot.ticks)
        FillSolid(Rect{{x, TICK_TOP}, {1, TICK_BOTTOM - TICK_TOP + 1}}, AXIS_COLOUR);
    SetFont(_dateDigits.get(), false);
    for (const auto& [x, date] : plot.dates)
        DrawString(x - TextWidth(date.c_str()) / 2, DATE_Y, date.c_str(), ROP_DEFAULT);
    SetFont(nullptr, false);
    if (!plot.label.empty())
    {
        Font* font = GfxResources::GetFont(GfxResources::FONT_TEXT);
        DrawText(GfxResources::FONT_TEXT, LABEL_X, AXIS_TOP - font->GetHeight() - 1, plot.label.c_str());
    }

    for (const Segment& segment : plot.segments)
        DrawSegment(segment, LINE_COLOUR);
    for (const Point& exit : plot.exits)
    {
        // An arrow pointing the way the line went, its tip on the edge and
        // its head kept inside the graph's columns.
        const int32_t step = exit.below ? -1 : 1;
        for (int32_t k = 0; k < ARROW_LENGTH; ++k)
        {
            const int32_t half = std::min(k, ARROW_HEAD);
            const int32_t left = std::max(exit.x - half, AREA_LEFT);
            const int32_t right = std::min(exit.x + half, AREA_RIGHT);
            FillSolid(Rect{{left, exit.y + step * k}, {right - left + 1, 1}}, LINE_COLOUR);
            if (k >= ARROW_HEAD)
                break;
        }
        for (int32_t k = ARROW_HEAD; k < ARROW_LENGTH; ++k)
            FillSolid(Rect{{exit.x, exit.y + step * k}, {1, 1}}, LINE_COLOUR);
    }
}

void CompanyWorthHistoryForm::DrawSegment(const Segment& segment, uint32_t colour)
{
    const auto [sx, sy, ex, ey] = segment;
    ASSERT(sx > 0 && sx < 240 && "sx>0 && sx<240");
    ASSERT(sy > 0 && sy < 240 && "sy>0 && sy<240");
    ASSERT(ex > 0 && ex < 240 && "ex>0 && ex<240");
    ASSERT(ey > 0 && ey < 240 && "ey>0 && ey<240");
    // Bresenham's walk, both ends included.
    const int32_t dx = std::abs(ex - sx);
    const int32_t dy = -std::abs(ey - sy);
    const int32_t stepX = sx < ex ? 1 : -1;
    const int32_t stepY = sy < ey ? 1 : -1;
    int32_t error = dx + dy;
    int32_t x = sx;
    int32_t y = sy;
    for (;;)
    {
        FillSolid(Rect{{x, y}, {1, 1}}, colour);
        if (x == ex && y == ey)
            break;
        const int32_t twice = 2 * error;
        if (twice >= dy)
        {
            error += dy;
            x += stepX;
        }
        if (twice <= dx)
        {
            error += dx;
            y += stepY;
        }
    }
}
