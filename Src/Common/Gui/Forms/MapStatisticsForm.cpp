#include "Common/Gui/Forms/MapStatisticsForm.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Gui/Controls/ComboBox.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/ChoiceTabs.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/ScreenDump.h"

#include <algorithm>

namespace
{
constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Map statistics", 10, 7, {}, {},
};

constexpr ChoiceTabs::Tab VALUES[] = {
    {"Routes No", 20, 36},
    {"Profit", 130, 36},
};

constexpr int16_t COMBO_X = 10;
constexpr int16_t COMBO_Y = 57;
// The legend: the five shades from the palest, right of the combo box.
constexpr int32_t LEGEND_X = 163;
constexpr int32_t LEGEND_Y = 62;
constexpr int32_t LEGEND_STEP = 13;
constexpr int32_t LEGEND_SIZE = 10;

constexpr const char* CONTINENTS[AirportMarkers::CONTINENT_COUNT] = {"Africa", "Asia",      "Australia",
                                                                     "Europe", "N America", "S America"};
constexpr int32_t MAPS[AirportMarkers::CONTINENT_COUNT] = {
    GfxResources::BMP_MAP_AFRICA, GfxResources::BMP_MAP_ASIA,     GfxResources::BMP_MAP_AUSTRALIA,
    GfxResources::BMP_MAP_EUROPE, GfxResources::BMP_MAP_NAMERICA, GfxResources::BMP_MAP_SAMERICA,
};

// Pale yellow to deep red: all five stand apart from each other, from the
// sandy land and from the blue sea of the maps. The darkest edge keeps the
// palest marker apart from the land.
constexpr uint32_t SHADES[MapStatisticsForm::SHADE_COUNT] = {
    RGB(255, 255, 190), RGB(255, 200, 40), RGB(245, 120, 20), RGB(200, 30, 20), RGB(110, 0, 40),
};
constexpr uint32_t MARKER_EDGE = RGB(40, 30, 20);

// The choices made last, kept between visits.
int32_t s_value = MapStatisticsForm::VALUE_ROUTES;
int32_t s_continent = 3;

int64_t ValueAt(const AirportDetails& details, int32_t value)
{
    if (value == MapStatisticsForm::VALUE_PROFIT)
        return details._result_last;
    return static_cast<int64_t>(details.RoutesOut()) + details.RoutesIn();
}
} // namespace

MapStatisticsForm::MapStatisticsForm(int32_t number)
    : StatisticsForm(number, PAGE_MAP, LAYOUT, false), _markers(AirportMarkers::Load())
{
    _values = new ChoiceTabs(VALUES, s_value, this,
                             [this](int32_t value)
                             {
                                 s_value = value;
                                 Invalidate();
                             });
    Widgets().AddWidget(_values);
    _continents = new ComboBox(
        COMBO_X, COMBO_Y, this,
        [this](int32_t continent)
        {
            if (continent < 0 || continent >= AirportMarkers::CONTINENT_COUNT)
                return;
            s_continent = continent;
            Invalidate();
        },
        false);
    for (const char* name : CONTINENTS)
        _continents->AddString(name);
    _continents->GetList()->SetSelected(s_continent);
    Widgets().AddWidget(_continents);
    AddPopups();
}

const char* MapStatisticsForm::ContinentName(int32_t continent)
{
    ASSERT(continent >= 0 && continent < AirportMarkers::CONTINENT_COUNT && "no such continent");
    return CONTINENTS[continent];
}

uint32_t MapStatisticsForm::ShadeColour(int32_t shade)
{
    ASSERT(shade >= 0 && shade < SHADE_COUNT && "five shades");
    return SHADES[shade];
}

int32_t MapStatisticsForm::GetContinent() const
{
    return _continents->GetList()->GetSelected();
}

int32_t MapStatisticsForm::GetValue() const
{
    return _values->GetChosen();
}

std::vector<MapStatisticsForm::Shaded>
MapStatisticsForm::Shade(const Company& company, const std::vector<AirportMarkers::Marker>& markers,
                         int32_t continent, int32_t value)
{
    int64_t largest = 0;
    std::vector<std::pair<int32_t, int64_t>> shown;
    for (size_t i = 0; i < markers.size(); ++i)
    {
        const AirportDetails* details = company.FindDetails(markers[i].airport);
        if (!details)
            continue;
        const int64_t v = ValueAt(*details, value);
        largest = std::max(largest, v);
        if (markers[i].continent == continent)
            shown.emplace_back(static_cast<int32_t>(i), v);
    }
    const int64_t step = std::max<int64_t>(largest / SHADE_COUNT, 1);
    std::vector<Shaded> shaded;
    for (const auto& [marker, v] : shown)
    {
        // The largest value itself would make a sixth shade; a loss counts
        // as the palest.
        const int32_t shade = static_cast<int32_t>(std::clamp<int64_t>(v / step, 0, SHADE_COUNT - 1));
        shaded.push_back({marker, markers[static_cast<size_t>(marker)].airport, shade});
    }
    return shaded;
}

void MapStatisticsForm::PaintContent()
{
    const int32_t continent = GetContinent();
    GfxResources::GetBitmap(MAPS[continent])->Draw(this, MAP_X, MAP_Y, SRCCOPY);
    for (const Shaded& s : Shade(*Enviroment::GetCompany(), _markers, continent, GetValue()))
    {
        const AirportMarkers::Marker& m = _markers[static_cast<size_t>(s.marker)];
        for (int32_t row = 0; row < m.height; ++row)
        {
            for (int32_t column = 0; column < m.width; ++column)
            {
                if (!m.Covers(column, row))
                    continue;
                // Pixels on the shape's rim take the edge colour.
                const bool rim = !m.Covers(column - 1, row) || !m.Covers(column + 1, row) ||
                                 !m.Covers(column, row - 1) || !m.Covers(column, row + 1);
                FillSolid(Rect{{MAP_X + m.x + column, MAP_Y + m.y + row}, {1, 1}},
                          rim ? MARKER_EDGE : SHADES[s.shade]);
            }
        }
    }
    for (int32_t shade = 0; shade < SHADE_COUNT; ++shade)
    {
        const Rect box{{LEGEND_X + LEGEND_STEP * shade, LEGEND_Y}, {LEGEND_SIZE, LEGEND_SIZE}};
        FillSolid(box, MARKER_EDGE);
        FillSolid(Rect{{box.origin.x + 1, box.origin.y + 1}, {LEGEND_SIZE - 2, LEGEND_SIZE - 2}},
                  SHADES[shade]);
    }
}

void MapStatisticsForm::Describe(ScreenDump& dump)
{
    StatisticsForm::Describe(dump);
    // Each shaded marker as a text at the airport's place on the page: its
    // short name and its shade, which scripts read instead of pixels.
    for (const Shaded& s : Shade(*Enviroment::GetCompany(), _markers, GetContinent(), GetValue()))
    {
        const AirportMarkers::Marker& m = _markers[static_cast<size_t>(s.marker)];
        ScreenDump::Text text;
        text.x = MAP_X + m.x + m.width / 2;
        text.y = MAP_Y + m.y + m.height / 2;
        text.font = "shade " + std::to_string(s.shade);
        text.text = Enviroment::GetAirport(s.airport)._short_name;
        dump.texts.push_back(text);
    }
}
