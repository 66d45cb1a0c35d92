// MapStatisticsForm: page 5 of the statistics screen, "Map statistics".
//
// One continent map at a time (chosen in the combo box) with the markers of
// the company's airports on it shaded by a value chosen with the tabs: the
// number of routes that start or end there, or last month's result there.
// The largest value over all the company's airports, on every map, sets the
// step (a fifth of it, at least 1); an airport's shade is its value divided
// by the step, from 0 (palest) to 4 (darkest). Airports where the company
// has no business carry no marker. The choices are kept for the next visit.
#pragma once

#include "Common/Gui/Forms/AirportMarkers.h"
#include "Common/Gui/Forms/StatisticsForm.h"

#include <vector>

class ChoiceTabs;
class Company;
class ComboBox;

class MapStatisticsForm : public StatisticsForm
{
public:
    enum Value
    {
        VALUE_ROUTES = 0,
        VALUE_PROFIT = 1,
    };
    static constexpr int32_t SHADE_COUNT = 5;
    // Where the map lies on the page.
    static constexpr int32_t MAP_X = 8;
    static constexpr int32_t MAP_Y = 82;

    struct Shaded
    {
        // The index of the marker among the records, its airport, its shade.
        int32_t marker;
        int32_t airport;
        int32_t shade;
    };

    explicit MapStatisticsForm(int32_t number);

    // The markers of one continent that the company's airports carry, with
    // their shades for the value.
    static std::vector<Shaded> Shade(const Company& company,
                                     const std::vector<AirportMarkers::Marker>& markers, int32_t continent,
                                     int32_t value);
    // The colour of a shade, palest first.
    static uint32_t ShadeColour(int32_t shade);
    // The continents' names, in the markers' index order.
    static const char* ContinentName(int32_t continent);

    int32_t GetContinent() const;
    int32_t GetValue() const;
    ComboBox* GetContinentBox() const { return _continents; }
    ChoiceTabs* GetValueTabs() const { return _values; }

    void Describe(ScreenDump& dump) override;

protected:
    void PaintContent() override;

private:
    std::vector<AirportMarkers::Marker> _markers;
    ChoiceTabs* _values;
    ComboBox* _continents;
};
