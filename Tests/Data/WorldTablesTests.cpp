// Checks of the world tables in the data file: the airport and plane-model
// records as the game reads them, against the rules a playable world needs
// and against the CSV tables they were generated from.
#include "Data/DataFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

using namespace DataFiles;

namespace
{

constexpr int AIRPORTS = 138;
constexpr size_t AIRPORT_RECORD = 138;
constexpr int MODELS = 106;
constexpr size_t MODEL_RECORD = 112;
constexpr int64_t STARTING_CASH = 500000;

struct Airport
{
    std::string shortName, name, country;
    bool terminated = true;
    int size = 0;
    int neighbour[6] = {};
    int distance[6] = {};
};

struct Model
{
    std::string maker, name;
    bool terminated = true;
    int intro = 0, withdrawal = 0;
    int64_t price = 0;
    int speed = 0;
    uint32_t range = 0;
    int seats = 0, supportMonths = 0;
};

std::vector<Airport> LoadAirports()
{
    const std::vector<uint8_t> b = ReadBytes("Data/Entries/airports_rsc");
    std::vector<Airport> out;
    for (size_t at = 0; at + AIRPORT_RECORD <= b.size(); at += AIRPORT_RECORD)
    {
        Airport a;
        bool t1, t2, t3;
        a.shortName = FixedText(b, at, 20, &t1);
        a.name = FixedText(b, at + 20, 60, &t2);
        a.country = FixedText(b, at + 80, 20, &t3);
        a.terminated = t1 && t2 && t3;
        a.size = I16(b, at + 100);
        for (int k = 0; k < 6; ++k)
        {
            a.neighbour[k] = I16(b, at + 102 + 2 * k);
            a.distance[k] = I32(b, at + 114 + 4 * k);
        }
        out.push_back(a);
    }
    return out;
}

std::vector<Model> LoadModels()
{
    const std::vector<uint8_t> b = ReadBytes("Data/Entries/planemodels_rsc");
    std::vector<Model> out;
    for (size_t at = 0; at + MODEL_RECORD <= b.size(); at += MODEL_RECORD)
    {
        Model m;
        bool t1, t2;
        m.maker = FixedText(b, at, 40, &t1);
        m.name = FixedText(b, at + 40, 40, &t2);
        m.terminated = t1 && t2;
        m.intro = I32(b, at + 80);
        m.withdrawal = I32(b, at + 84);
        m.price = I64(b, at + 88);
        m.speed = I32(b, at + 96);
        m.range = static_cast<uint32_t>(I32(b, at + 100));
        m.seats = I32(b, at + 104);
        m.supportMonths = I32(b, at + 108);
        out.push_back(m);
    }
    return out;
}

// Great-circle distance on the mean Earth sphere, as the table generator
// computes it.
double GreatCircleKm(double lat1, double lon1, double lat2, double lon2)
{
    const double rad = M_PI / 180.0;
    const double dp = (lat2 - lat1) * rad;
    const double dl = (lon2 - lon1) * rad;
    const double h = std::sin(dp / 2) * std::sin(dp / 2) +
                     std::cos(lat1 * rad) * std::cos(lat2 * rad) * std::sin(dl / 2) * std::sin(dl / 2);
    return 2 * 6371.0088 * std::asin(std::min(1.0, std::sqrt(h)));
}

bool IsHomeCandidate(const Airport& a)
{
    return a.size < 200 && *std::min_element(a.distance, a.distance + 6) < 1500;
}

// The models that a new game offers: those whose intro year is 1959 or
// earlier are on sale from the first day.
std::vector<Model> OnSaleAtStart(const std::vector<Model>& models)
{
    std::vector<Model> out;
    for (int i = 0; i < MODELS && i < static_cast<int>(models.size()); ++i)
    {
        if (models[i].intro <= 1959)
        {
            out.push_back(models[i]);
        }
    }
    return out;
}

} // namespace

TEST(WorldTables, AirportEntryHoldsExactly138RecordsOf138Bytes)
{
    const std::vector<uint8_t> bytes = ReadBytes("Data/Entries/airports_rsc");
    EXPECT_EQ(AIRPORTS * AIRPORT_RECORD, bytes.size());
}

TEST(WorldTables, AirportRecordsAreWellFormed)
{
    const std::vector<Airport> airports = LoadAirports();
    ASSERT_EQ(AIRPORTS, static_cast<int>(airports.size()));
    const std::set<int> sizes = {50, 100, 150, 200, 250};
    for (int i = 0; i < AIRPORTS; ++i)
    {
        const Airport& a = airports[i];
        SCOPED_TRACE("airport " + std::to_string(i) + " " + a.shortName);
        EXPECT_TRUE(a.terminated);
        EXPECT_FALSE(a.shortName.empty());
        EXPECT_FALSE(a.name.empty());
        EXPECT_FALSE(a.country.empty());
        EXPECT_TRUE(sizes.count(a.size));
        std::set<int> seen;
        for (int k = 0; k < 6; ++k)
        {
            EXPECT_GE(a.neighbour[k], 0);
            EXPECT_LT(a.neighbour[k], AIRPORTS);
            EXPECT_NE(i, a.neighbour[k]) << "an airport is its own neighbour";
            EXPECT_TRUE(seen.insert(a.neighbour[k]).second) << "neighbour listed twice";
            EXPECT_GT(a.distance[k], 0);
        }
    }
}

TEST(WorldTables, AirportEntryMatchesTheCsvAndItsCoordinates)
{
    const std::vector<Airport> airports = LoadAirports();
    const CsvTable csv = ReadCsv("Data/Tables/airports.csv");
    ASSERT_EQ(AIRPORTS, static_cast<int>(airports.size()));
    ASSERT_EQ(AIRPORTS, static_cast<int>(csv.rows.size()));
    const int cShort = csv.Column("short_name"), cName = csv.Column("name"), cCountry = csv.Column("country");
    const int cSize = csv.Column("size"), cLat = csv.Column("latitude"), cLon = csv.Column("longitude");
    const int cN0 = csv.Column("neighbour0"), cD0 = csv.Column("distance0");
    ASSERT_TRUE(cShort >= 0 && cName >= 0 && cCountry >= 0 && cSize >= 0 && cLat >= 0 && cLon >= 0 && cN0 >= 0 &&
                cD0 >= 0);
    for (int i = 0; i < AIRPORTS; ++i)
    {
        const auto& row = csv.rows[i];
        const Airport& a = airports[i];
        SCOPED_TRACE("airport " + std::to_string(i) + " " + a.shortName);
        EXPECT_EQ(row[cShort], a.shortName);
        EXPECT_EQ(row[cName], a.name);
        EXPECT_EQ(row[cCountry], a.country);
        EXPECT_EQ(std::stoi(row[cSize]), a.size);
        const double lat = std::stod(row[cLat]), lon = std::stod(row[cLon]);
        EXPECT_LE(std::fabs(lat), 90.0);
        EXPECT_LE(std::fabs(lon), 180.0);
        for (int k = 0; k < 6; ++k)
        {
            const int j = a.neighbour[k];
            EXPECT_EQ(std::stoi(row[cN0 + k]), j);
            EXPECT_EQ(std::stoi(row[cD0 + k]), a.distance[k]);
            const auto& other = csv.rows[j];
            const double km = GreatCircleKm(lat, lon, std::stod(other[cLat]), std::stod(other[cLon]));
            EXPECT_NEAR(km, a.distance[k], 1.0) << "to " << airports[j].shortName;
        }
    }
}

TEST(WorldTables, EveryAirportHasAShortHopAndTheNetworkIsMostlyMutual)
{
    const std::vector<Airport> airports = LoadAirports();
    ASSERT_EQ(AIRPORTS, static_cast<int>(airports.size()));
    int mutual = 0;
    for (int i = 0; i < AIRPORTS; ++i)
    {
        const Airport& a = airports[i];
        EXPECT_LT(*std::min_element(a.distance, a.distance + 6), 4000) << a.shortName << " has no short hop";
        for (int k = 0; k < 6; ++k)
        {
            const Airport& b = airports[a.neighbour[k]];
            mutual += std::count(b.neighbour, b.neighbour + 6, i) > 0;
        }
    }
    // Only remote airports whose nearer neighbours are all full list a
    // neighbour that does not list them back.
    EXPECT_GE(mutual * 100, AIRPORTS * 6 * 90);
}

TEST(WorldTables, EveryAirportCanReachEveryOtherByChainingRoutes)
{
    const std::vector<Airport> airports = LoadAirports();
    ASSERT_EQ(AIRPORTS, static_cast<int>(airports.size()));
    // Routes are set up from an airport to one of its own neighbours, so
    // reachability follows the directed neighbour lists.
    for (int start = 0; start < AIRPORTS; ++start)
    {
        std::vector<bool> seen(AIRPORTS, false);
        std::vector<int> stack = {start};
        seen[start] = true;
        int count = 1;
        while (!stack.empty())
        {
            const int at = stack.back();
            stack.pop_back();
            for (int k = 0; k < 6; ++k)
            {
                const int next = airports[at].neighbour[k];
                if (!seen[next])
                {
                    seen[next] = true;
                    ++count;
                    stack.push_back(next);
                }
            }
        }
        EXPECT_EQ(AIRPORTS, count) << "not everything is reachable from " << airports[start].shortName;
    }
}

TEST(WorldTables, AtLeastFortyAirportsQualifyAsHome)
{
    const std::vector<Airport> airports = LoadAirports();
    EXPECT_GE(std::count_if(airports.begin(), airports.end(), IsHomeCandidate), 40);
}

TEST(WorldTables, ContinentsAreAllRepresented)
{
    const CsvTable csv = ReadCsv("Data/Tables/airports.csv");
    const int cCont = csv.Column("continent");
    ASSERT_GE(cCont, 0);
    std::map<std::string, int> count;
    for (const auto& row : csv.rows)
    {
        ++count[row[cCont]];
    }
    const std::vector<std::string> continents = {"Africa", "Asia",      "Australia",
                                                 "Europe", "N America", "S America"};
    for (const std::string& c : continents)
    {
        EXPECT_GE(count[c], 8) << c;
    }
    EXPECT_EQ(continents.size(), count.size());
}

TEST(WorldTables, ModelEntryHoldsWholeRecordsForEveryModel)
{
    const std::vector<uint8_t> bytes = ReadBytes("Data/Entries/planemodels_rsc");
    EXPECT_EQ(0u, bytes.size() % MODEL_RECORD);
    EXPECT_GE(bytes.size() / MODEL_RECORD, static_cast<size_t>(MODELS));
}

TEST(WorldTables, ModelRecordsAreWellFormed)
{
    const std::vector<Model> models = LoadModels();
    ASSERT_GE(static_cast<int>(models.size()), MODELS);
    std::set<std::string> names;
    for (int i = 0; i < MODELS; ++i)
    {
        const Model& m = models[i];
        SCOPED_TRACE("model " + std::to_string(i) + " " + m.name);
        EXPECT_TRUE(m.terminated);
        EXPECT_FALSE(m.name.empty());
        EXPECT_FALSE(m.maker.empty());
        EXPECT_TRUE(names.insert(m.name).second) << "model name used twice";
        EXPECT_LE(m.intro, 2002);
        EXPECT_GT(m.withdrawal, m.intro);
        EXPECT_GE(m.withdrawal, 1960) << "a withdrawal before the first game year never happens";
        EXPECT_GT(m.price, 0);
        EXPECT_GE(m.speed, 150);
        EXPECT_LE(m.speed, 2500);
        EXPECT_GE(m.range, 500u);
        EXPECT_LE(m.range, 16000u);
        // Seats are those flown at the load factor of the first year: a
        // light twin of eight seats flies with five.
        EXPECT_GE(m.seats, 4);
        EXPECT_LE(m.seats, 600);
        EXPECT_GE(m.supportMonths, 12);
        EXPECT_LE(m.supportMonths, 60);
    }
}

TEST(WorldTables, ModelEntryMatchesTheCsv)
{
    const std::vector<Model> models = LoadModels();
    const CsvTable csv = ReadCsv("Data/Tables/planemodels.csv");
    ASSERT_EQ(models.size(), csv.rows.size());
    const int cName = csv.Column("name"), cPrice = csv.Column("price"), cIntro = csv.Column("intro_year");
    ASSERT_TRUE(cName >= 0 && cPrice >= 0 && cIntro >= 0);
    for (size_t i = 0; i < models.size(); ++i)
    {
        EXPECT_EQ(csv.rows[i][cName], models[i].name);
        EXPECT_EQ(std::stoll(csv.rows[i][cPrice]), models[i].price);
        EXPECT_EQ(std::stoi(csv.rows[i][cIntro]), models[i].intro);
    }
}

TEST(WorldTables, ModelsAreListedInOrderOfIntroduction)
{
    const std::vector<Model> models = LoadModels();
    for (size_t i = 1; i < models.size(); ++i)
    {
        EXPECT_LE(models[i - 1].intro, models[i].intro) << models[i].name;
    }
}

TEST(WorldTables, ANewCompanyCanBuyAPlaneAndFlyIt)
{
    const std::vector<Model> models = LoadModels();
    const std::vector<Airport> airports = LoadAirports();
    ASSERT_EQ(AIRPORTS, static_cast<int>(airports.size()));
    const std::vector<Model> onSale = OnSaleAtStart(models);
    EXPECT_GE(onSale.size(), 8u);

    std::vector<Model> starters;
    std::copy_if(onSale.begin(), onSale.end(), std::back_inserter(starters),
                 [](const Model& m) { return m.price <= STARTING_CASH; });
    EXPECT_GE(starters.size(), 3u);

    // From every home airport at least one route must lie within the range
    // of an affordable model, or the first purchase leads nowhere.
    int served = 0, candidates = 0;
    for (const Airport& a : airports)
    {
        if (!IsHomeCandidate(a))
        {
            continue;
        }
        ++candidates;
        const int shortest = *std::min_element(a.distance, a.distance + 6);
        const bool reachable = std::any_of(starters.begin(), starters.end(), [&](const Model& m)
                                           { return m.range >= static_cast<uint32_t>(shortest); });
        served += reachable;
        EXPECT_TRUE(reachable) << a.shortName << " has no neighbour a starter plane can reach";
    }
    EXPECT_EQ(candidates, served);
}

TEST(WorldTables, SomeModelIsOnSaleInEveryYearOfTheGame)
{
    const std::vector<Model> models = LoadModels();
    for (int year = 1959; year <= 2002; ++year)
    {
        int onSale = 0;
        for (int i = 0; i < MODELS && i < static_cast<int>(models.size()); ++i)
        {
            // A model announced as withdrawn in a year still sells until
            // the announcement, so count it only in the years before.
            onSale += models[i].intro <= year && year < models[i].withdrawal;
        }
        EXPECT_GE(onSale, 8) << "in " << year;
    }
}

TEST(WorldTables, EntriesFolderHoldsOnlyDataFileEntries)
{
    // Everything in Data/Entries is packed under its file name, so nothing
    // but the entries the game opens may sit there.
    const std::regex allowed("airports_rsc|planemodels_rsc|amasks_rsc|help_index_rsc|help[1-9][0-9]*_rsc");
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(SourcePath("Data/Entries")))
    {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(entry.is_regular_file()) << name;
        EXPECT_TRUE(std::regex_match(name, allowed)) << name << " is not an entry the game reads";
        found.insert(name);
    }
    EXPECT_TRUE(found.count("airports_rsc"));
    EXPECT_TRUE(found.count("planemodels_rsc"));
}
