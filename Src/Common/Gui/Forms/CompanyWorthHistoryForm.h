// CompanyWorthHistoryForm: page 1 of the statistics screen, the company
// worth's history as a line graph.
//
// Three periods, chosen with the tabs: the whole game (one point per year
// since 1959, taken at each year roll), this year (one per month roll) and
// this month (one per day). The vertical axis runs from zero to a round
// scale above the largest value shown (NiceScale), labelled "$ 200K" and the
// like; the horizontal axis has one tick per point and dates in the date
// digit font. Points are joined by red segments up to the present.
//
// A worth below zero lies below the axis, outside the graph: segments are
// clipped to the graph's area, and a small red arrow on the axis shows each
// place where the line leaves it, so a company in debt still sees its
// history. `Plot` computes all of it without drawing, for the page and for
// tests.
#pragma once

#include "Common/Gui/Forms/StatisticsForm.h"

#include <memory>
#include <string>
#include <vector>

class BitmapFont;
class ChoiceTabs;
class Statistics;
class Time;

class CompanyWorthHistoryForm : public StatisticsForm
{
public:
    enum Period
    {
        PERIOD_TOTAL = 0,
        PERIOD_THIS_YEAR = 1,
        PERIOD_THIS_MONTH = 2,
        PERIOD_COUNT = 3,
    };

    // The graph's frame: the axes meet at (AXIS_X, AXIS_Y); the scale value
    // lies SCALE_HEIGHT pixels above the horizontal axis.
    static constexpr int32_t AXIS_X = 36;
    static constexpr int32_t AXIS_TOP = 73;
    static constexpr int32_t AXIS_BOTTOM = 214;
    static constexpr int32_t AXIS_LEFT = 31;
    static constexpr int32_t AXIS_RIGHT = 206;
    static constexpr int32_t SCALE_HEIGHT = 110;
    static constexpr int32_t FIRST_POINT_X = 37;
    // The graph panel's top; the horizontal axis lies on its bottom row
    // (the panel's height plus 43).
    static constexpr int32_t PANEL_X = 21;
    static constexpr int32_t PANEL_Y = 56;

    struct Segment
    {
        int32_t x0, y0, x1, y1;
        bool operator==(const Segment&) const = default;
    };
    struct Point
    {
        int32_t x, y;
        // True where the line goes below the graph, false above it.
        bool below;
    };
    struct Plot
    {
        int64_t scale = 0;
        std::string label;
        // The x of every tick and the date written under some of them.
        std::vector<int32_t> ticks;
        std::vector<std::pair<int32_t, std::string>> dates;
        // The visible parts of the segments, inside the graph's area.
        std::vector<Segment> segments;
        // Where the line leaves the area.
        std::vector<Point> exits;
    };

    explicit CompanyWorthHistoryForm(int32_t number);
    ~CompanyWorthHistoryForm() override;

    // The round scale above v: v divided by ten until below 11, then the
    // next of 2, 5 and 10, times the tens taken off.
    static int64_t NiceScale(int64_t v);
    // "$ 50", "$ 200K", "$ 5M", "$ 10G", or "" beyond the thousands of G.
    static std::string ScaleLabel(int64_t scale);
    // The y of the horizontal axis.
    static int32_t Baseline();
    // The graph of one period at the moment `now`.
    static Plot Compute(const Statistics& statistics, int32_t period, const Time& now);

    int32_t GetPeriod() const;
    ChoiceTabs* GetTabs() const { return _tabs; }

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    void DrawSegment(const Segment& segment, uint32_t colour);

    ChoiceTabs* _tabs;
    std::unique_ptr<BitmapFont> _dateDigits;
};
