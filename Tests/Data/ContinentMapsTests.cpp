// Checks of the continent maps of the map statistics screen and of the
// airport markers in "amasks_rsc" that are drawn on them.
#include "Data/DataFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace DataFiles;

namespace
{

constexpr int AIRPORTS = 138;
constexpr int RECORDS = 140;
constexpr size_t RECORD = 38;

const std::vector<std::string> MAP_NAMES = {"sr_MapAfrica.bmp", "sr_MapAsia.bmp",     "sr_MapAustralia.bmp",
                                            "sr_MapEurope.bmp", "sr_MapNAmerica.bmp", "sr_MapSAmerica.bmp"};
const std::vector<std::string> CONTINENTS = {"Africa", "Asia", "Australia", "Europe", "N America", "S America"};

struct Marker
{
    int x = 0, y = 0, width = 0, height = 0;
    uint16_t rows[14] = {};
    int airport = -1, continent = -1;
};

std::vector<Marker> LoadMarkers()
{
    const std::vector<uint8_t> b = ReadBytes("Data/Entries/amasks_rsc");
    std::vector<Marker> out;
    for (size_t at = 0; at + RECORD <= b.size(); at += RECORD)
    {
        Marker m;
        m.x = I16(b, at);
        m.y = I16(b, at + 2);
        m.width = b[at + 4];
        m.height = b[at + 5];
        for (int r = 0; r < 14; ++r)
        {
            m.rows[r] = static_cast<uint16_t>(I16(b, at + 6 + 2 * r));
        }
        m.airport = I16(b, at + 34);
        m.continent = I16(b, at + 36);
        out.push_back(m);
    }
    return out;
}

// An 8-bit map as the game's bitmap reader sees it.
struct MapImage
{
    bool valid = false;
    int width = 0, height = 0;
    std::vector<uint8_t> file;
    uint32_t pixelOffset = 0;

    // Red, green, blue of the pixel (x, y), y counted from the top.
    void Rgb(int x, int y, int* r, int* g, int* b) const
    {
        const int stride = (width * 8 + 31) / 32 * 4;
        const uint8_t index = file[pixelOffset + static_cast<size_t>(height - 1 - y) * stride + x];
        const size_t entry = 54 + 4 * static_cast<size_t>(index);
        *b = file[entry];
        *g = file[entry + 1];
        *r = file[entry + 2];
    }
};

MapImage LoadMap(const std::string& name)
{
    MapImage m;
    m.file = ReadBytes("Data/Bitmaps/" + name);
    if (m.file.size() < 54 + 1024 || m.file[0] != 'B' || m.file[1] != 'M')
    {
        return m;
    }
    m.pixelOffset = static_cast<uint32_t>(I32(m.file, 10));
    m.width = I32(m.file, 18);
    m.height = I32(m.file, 22);
    const int bpp = I16(m.file, 28);
    const size_t stride = (static_cast<size_t>(m.width) * 8 + 31) / 32 * 4;
    m.valid = bpp == 8 && m.width > 0 && m.height > 0 && m.pixelOffset >= 54 + 1024 &&
              m.file.size() >= m.pixelOffset + stride * m.height;
    return m;
}

} // namespace

TEST(ContinentMaps, AllSixMapsAreEightBitBitmapsOfOneSize)
{
    for (const std::string& name : MAP_NAMES)
    {
        const MapImage map = LoadMap(name);
        EXPECT_TRUE(map.valid) << name;
        EXPECT_EQ(224, map.width) << name;
        EXPECT_EQ(140, map.height) << name;
    }
}

TEST(ContinentMaps, MarkerEntryHolds140RecordsOf38Bytes)
{
    EXPECT_EQ(RECORDS * RECORD, ReadBytes("Data/Entries/amasks_rsc").size());
}

TEST(ContinentMaps, EveryAirportIsOnItsOwnContinentMapAndTwoOnASecondOne)
{
    const std::vector<Marker> markers = LoadMarkers();
    ASSERT_EQ(RECORDS, static_cast<int>(markers.size()));
    const CsvTable csv = ReadCsv("Data/Tables/airports.csv");
    const int cCont = csv.Column("continent");
    ASSERT_EQ(AIRPORTS, static_cast<int>(csv.rows.size()));
    ASSERT_GE(cCont, 0);

    std::map<int, std::set<int>> mapsOf;
    for (const Marker& m : markers)
    {
        ASSERT_GE(m.airport, 0);
        ASSERT_LT(m.airport, AIRPORTS);
        ASSERT_GE(m.continent, 0);
        ASSERT_LT(m.continent, 6);
        EXPECT_TRUE(mapsOf[m.airport].insert(m.continent).second) << "airport " << m.airport << " twice on a map";
    }
    EXPECT_EQ(AIRPORTS, static_cast<int>(mapsOf.size()));
    int onTwo = 0;
    for (const auto& [airport, continents] : mapsOf)
    {
        const std::string& own = csv.rows[airport][cCont];
        bool onOwn = false;
        for (int c : continents)
        {
            onOwn = onOwn || CONTINENTS[c] == own;
        }
        EXPECT_TRUE(onOwn) << "airport " << airport << " is not on the " << own << " map";
        onTwo += continents.size() == 2;
        EXPECT_LE(continents.size(), 2u);
    }
    EXPECT_EQ(2, onTwo);
}

TEST(ContinentMaps, MarkersAreSolidShapesInsideTheirMap)
{
    const std::vector<Marker> markers = LoadMarkers();
    ASSERT_EQ(RECORDS, static_cast<int>(markers.size()));
    for (const Marker& m : markers)
    {
        SCOPED_TRACE("airport " + std::to_string(m.airport));
        ASSERT_GE(m.width, 1);
        ASSERT_LE(m.width, 16);
        ASSERT_GE(m.height, 1);
        ASSERT_LE(m.height, 14);
        EXPECT_GE(m.x, 0);
        EXPECT_GE(m.y, 0);
        EXPECT_LE(m.x + m.width, 224);
        EXPECT_LE(m.y + m.height, 140);
        int pixels = 0;
        for (int r = 0; r < 14; ++r)
        {
            if (r >= m.height)
            {
                EXPECT_EQ(0, m.rows[r]) << "row below the marker";
                continue;
            }
            EXPECT_EQ(0, m.rows[r] >> m.width) << "bits right of the marker";
            pixels += __builtin_popcount(m.rows[r]);
        }
        // The centre, where the airport lies, is always part of the shape.
        EXPECT_TRUE((m.rows[m.height / 2] >> (m.width / 2)) & 1);
        EXPECT_GE(pixels, m.width * m.height / 2);
    }
}

TEST(ContinentMaps, MarkersSitOnLandWhereTheAirportIs)
{
    const std::vector<Marker> markers = LoadMarkers();
    std::vector<MapImage> maps;
    for (const std::string& name : MAP_NAMES)
    {
        maps.push_back(LoadMap(name));
        ASSERT_TRUE(maps.back().valid) << name;
    }
    // The sea is blue and land and coast are warm: an airport's marker
    // centre must have land within three pixels, or the projection of the
    // markers and of the coastlines disagree.
    for (const Marker& m : markers)
    {
        const MapImage& map = maps[m.continent];
        const int cx = m.x + m.width / 2, cy = m.y + m.height / 2;
        bool land = false;
        for (int dy = -3; dy <= 3 && !land; ++dy)
        {
            for (int dx = -3; dx <= 3 && !land; ++dx)
            {
                const int x = cx + dx, y = cy + dy;
                if (x < 0 || y < 0 || x >= map.width || y >= map.height)
                {
                    continue;
                }
                int r, g, b;
                map.Rgb(x, y, &r, &g, &b);
                land = r > b;
            }
        }
        EXPECT_TRUE(land) << "airport " << m.airport << " on map " << MAP_NAMES[m.continent] << " at (" << cx
                          << ", " << cy << ") is out at sea";
    }
}

TEST(ContinentMaps, MarkersOfOneMapFollowTheCoordinates)
{
    // West of another airport on the same map means left of it, north means
    // above: a swapped axis or sign in the marker layout shows up here.
    const std::vector<Marker> markers = LoadMarkers();
    const CsvTable csv = ReadCsv("Data/Tables/airports.csv");
    const int cLat = csv.Column("latitude"), cLon = csv.Column("longitude");
    ASSERT_TRUE(cLat >= 0 && cLon >= 0);
    int checked = 0;
    for (const Marker& a : markers)
    {
        for (const Marker& b : markers)
        {
            if (a.continent != b.continent || a.airport == b.airport)
            {
                continue;
            }
            const double latA = std::stod(csv.rows[a.airport][cLat]), latB = std::stod(csv.rows[b.airport][cLat]);
            if (latA > latB + 3.0)
            {
                EXPECT_LT(a.y + a.height / 2, b.y + b.height / 2) << a.airport << " above " << b.airport;
                ++checked;
            }
            double lonA = std::stod(csv.rows[a.airport][cLon]), lonB = std::stod(csv.rows[b.airport][cLon]);
            // The Pacific map runs across the 180th meridian.
            if (lonA < 0 && lonB > 0 && a.continent == 2)
            {
                lonA += 360;
            }
            if (lonB < 0 && lonA > 0 && a.continent == 2)
            {
                lonB += 360;
            }
            if (lonA + 3.0 < lonB)
            {
                EXPECT_LT(a.x + a.width / 2, b.x + b.width / 2) << a.airport << " left of " << b.airport;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 1000);
}

TEST(ContinentMaps, MarkersOfOneMapDoNotOverlap)
{
    // Overlapping markers would hide one airport's shade under another's.
    const std::vector<Marker> markers = LoadMarkers();
    for (size_t i = 0; i < markers.size(); ++i)
    {
        for (size_t j = i + 1; j < markers.size(); ++j)
        {
            const Marker& a = markers[i];
            const Marker& b = markers[j];
            if (a.continent != b.continent)
            {
                continue;
            }
            const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y ||
                               b.y + b.height <= a.y;
            EXPECT_TRUE(apart) << "airports " << a.airport << " and " << b.airport << " on map " << a.continent;
        }
    }
}
