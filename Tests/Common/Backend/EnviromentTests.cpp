#include "Common/Backend/Enviroment.h"

#include "Common/Backend/PackedRecord.h"

#include "Common/Backend/TimeSimulation.h"
#include "ShippedEntries.h"
#include "WinCE/DataFile.h"
#include "WorldFixtures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <utility>

namespace
{
class EnviromentTest : public WorldTest
{
protected:
    void ShapeTables(TestTables& tables) override
    {
        tables.models[0] = TestModel{std::string(60, 'N'), 1959, 1955, 100000, 800, 5000, 150, 24};
        tables.models[1] = TestModel{"Newcomer", 1960, 1990, 100000, 800, 5000, 150, 24};
        tables.models[2] = TestModel{"Sixties", 1962, 1962, 100000, 800, 5000, 150, 18};
        tables.models[3] = TestModel{"Old", 1930, 1962, 100000, 800, 5000, 150, 18};
    }

    // A world with something of every kind in it.
    void Populate()
    {
        Company& c = company();
        c.SetName("Sky Blue");
        c.OpenStartingAirport(4, start);
        c.Research(14, false, start);
        c.Earn(2000000, true);
        c.ObtainCredit(100000);
        c.SetMIR(7);
        Plane* a = c.BuyPlane(0, "Alpha", start);
        Plane* b = c.BuyPlane(1, "Bravo", Time(1960, 2, 3));
        c.BuyPlane(2, "Charlie", Time(1961, 4, 5));
        c.OpenRoute(a, 4, 5, 0, 2, start);
        c.OpenRoute(b, 14, 15, 2, 1, start);
        c.DepartureBookkeeping(a);
        b->GetRoute()->AcceptSmuggling(1234, -1);
        b->Damage();
        c.SellPlane(c.GetPlane(2), Time(1962, 0, 1));
        c.Advertise(14, 40, start);
        stats().MonthlyUpdate(0, 777);
        stats().DailyUpdate(5, 888);
        Enviroment::SetModelAvailability(7, Enviroment::MODEL_WITHDRAWN);
        Enviroment::RaiseCostIndex(24);
        Enviroment::SetSurcharge(-112);
        Enviroment::SetDialogPlane(b);
        Enviroment::SetDialogAirport(c.FindDetails(14));
        Enviroment::SetDialogModel(42);
    }

    static std::vector<uint8_t> SaveWorld()
    {
        ConfigBlock block;
        Enviroment::Save(block);
        return block.GetRaw();
    }

    // Loads saved bytes into a freshly created world.
    void Reload(const std::vector<uint8_t>& bytes)
    {
        TearDown();
        SetUp();
        Enviroment::SetGameSeed(999);
        ConfigBlock block;
        block.SetRaw(bytes);
        std::string error;
        ASSERT_TRUE(Enviroment::Load(block, &error)) << error;
    }
};

class BadTablesTest : public ::testing::Test
{
protected:
    TestTables tables;
    std::string error;
};
} // namespace

TEST_F(EnviromentTest, TablesAreReadFieldByField)
{
    EXPECT_EQ(106, Enviroment::GetModelCount());
    const PlaneModel m = Enviroment::GetPlaneModel(2);
    EXPECT_STREQ("Sixties", m._name);
    EXPECT_EQ(1962, m._intro_year);
    EXPECT_EQ(1962, m._withdrawal_year);
    EXPECT_EQ(100000, m._price);
    EXPECT_EQ(800, m._speed);
    EXPECT_EQ(5000u, m._range);
    EXPECT_EQ(150, m._capacity);
    EXPECT_EQ(18, m._runout_months);
    EXPECT_EQ(0xAB, m._unused[39]);
    // A name filling its whole field is cut to stay terminated.
    EXPECT_EQ(39u, std::strlen(Enviroment::GetPlaneModel(0)._name));

    const AirportInfo a = Enviroment::GetAirport(4);
    EXPECT_STREQ("AP4", a._short_name);
    EXPECT_STREQ("Airport AP4", a._name);
    EXPECT_STREQ("Country", a._country);
    EXPECT_EQ(250, a._size);
    EXPECT_EQ(5, a._neighbours[0]);
    EXPECT_EQ(3500, a._distances[5]);
    EXPECT_EQ(1000, Enviroment::GetDistance(4, 5));
    EXPECT_EQ(3500, Enviroment::GetDistance(4, 10));
    EXPECT_EQ(-1, Enviroment::GetDistance(4, 11));
    EXPECT_EQ(-1, Enviroment::GetDistance(5, 4));
}

TEST_F(EnviromentTest, AvailabilityStartsFromTheIntroYears)
{
    EXPECT_EQ(Enviroment::MODEL_ON_SALE, Enviroment::GetModelAvailability(0));
    EXPECT_EQ(Enviroment::MODEL_UNSERVICED, Enviroment::GetModelAvailability(1));
    EXPECT_EQ(Enviroment::MODEL_ON_SALE, Enviroment::GetModelAvailability(3));
    Enviroment::SetModelAvailability(1, Enviroment::MODEL_ON_SALE);
    Enviroment::NewGame();
    EXPECT_EQ(Enviroment::MODEL_UNSERVICED, Enviroment::GetModelAvailability(1));
    EXPECT_DEATH(Enviroment::GetModelAvailability(106), "model<AVAIL_MODELS");
    EXPECT_DEATH(Enviroment::SetModelAvailability(106, 0), "model<AVAIL_MODELS");
}

TEST_F(EnviromentTest, TheYearlyScheduleNamesTheModelsOfTheYear)
{
    Enviroment::ScheduleModelChanges(1962);
    const RecordedEvent* fresh = nullptr;
    int withdrawals = 0;
    for (const RecordedEvent& e : hooks.events)
    {
        ASSERT_EQ("model", e.kind);
        EXPECT_EQ(1962, e.at._year);
        EXPECT_GE(e.at._month, 0);
        EXPECT_LE(e.at._month, 11);
        EXPECT_GE(e.at._day, 1);
        EXPECT_LE(e.at._day, 31);
        if (e.type == WorldEventHooks::NEW_MODEL && e.model == 2)
            fresh = &e;
        if (e.type == WorldEventHooks::MODEL_WITHDRAWAL)
            ++withdrawals;
    }
    ASSERT_NE(nullptr, fresh);
    // Model 2 is introduced and withdrawn in 1962, model 3 withdrawn, and
    // the filler models whose withdrawal year is 1962.
    EXPECT_GE(withdrawals, 2);
    for (const RecordedEvent& e : hooks.events)
    {
        if (e.model == 2 && e.type == WorldEventHooks::MODEL_WITHDRAWAL)
        {
            EXPECT_TRUE(e.at.Equals(fresh->at));
        }
    }
}

TEST_F(EnviromentTest, CostIndexAndNewGame)
{
    EXPECT_EQ(200, Enviroment::GetCostIndex());
    Enviroment::RaiseCostIndex(2);
    Enviroment::SetSurcharge(101);
    EXPECT_EQ(303, Enviroment::GetCostIndex());
    EXPECT_EQ(202, Enviroment::GetBaseCostIndex());
    company().Earn(5, true);
    Enviroment::SetDialogModel(9);
    Enviroment::NewGame();
    EXPECT_EQ(200, Enviroment::GetCostIndex());
    EXPECT_EQ(0, Enviroment::GetSurcharge());
    EXPECT_EQ(500000, company().GetCash());
    EXPECT_EQ(0, stats().GetIncomes(3));
    EXPECT_EQ(0, Enviroment::GetDialogModel());
}

TEST_F(EnviromentTest, TheWorldServesTheSchedulerAsItsSubjects)
{
    ASSERT_EQ(Enviroment::Instance(), TimeSimulation::GetSubjects());
    company().OpenStartingAirport(4, start);
    Plane* plane = company().BuyPlane(0, "P", start);
    EventSubjects* subjects = TimeSimulation::GetSubjects();
    EXPECT_EQ(plane->_id, subjects->PlaneId(plane));
    EXPECT_EQ(plane, subjects->FindPlane(plane->_id));
    AirportDetails* home = company().FindDetails(4);
    EXPECT_EQ(home->_id, subjects->AirportId(home));
    EXPECT_EQ(home, subjects->FindAirport(home->_id));
    EXPECT_EQ(nullptr, subjects->FindPlane(99));
    EXPECT_EQ(-1, subjects->PlaneId(nullptr));
}

TEST_F(EnviromentTest, TheWholeWorldSavesAndLoadsByteStable)
{
    Populate();
    const std::vector<uint8_t> saved = SaveWorld();
    ASSERT_TRUE(ConfigBlock::Validate(saved.data(), saved.size()));

    // Keep copies of what the world held to compare field by field.
    std::vector<std::unique_ptr<Plane>> planes;
    for (int32_t i = 0; i < company().GetPlaneCount(); ++i)
    {
        const Plane* p = company().GetPlane(i);
        planes.push_back(std::make_unique<Plane>(p->_model, p->_name, p->_buy_date, p->_id));
        ConfigBlock block;
        p->Save(block);
        std::string error;
        ASSERT_TRUE(planes.back()->Load(block, &error)) << error;
        ASSERT_TRUE(*planes.back() == *p);
    }
    std::vector<AirportDetails> details;
    for (int32_t i = 0; i < company().GetAirportCount(); ++i)
        details.push_back(*company().GetDetails(i));
    const Statistics statistics = stats();
    const int64_t cash = company().GetCash();
    const int64_t worth = company().Worth(Time(1963, 0, 1));
    const int32_t dialogPlane = Enviroment::GetDialogPlane()->_id;

    Reload(saved);
    EXPECT_EQ(saved, SaveWorld());

    ASSERT_EQ(static_cast<int32_t>(planes.size()), company().GetPlaneCount());
    for (size_t i = 0; i < planes.size(); ++i)
        EXPECT_TRUE(*planes[i] == *company().GetPlane(static_cast<int32_t>(i))) << "plane " << i;
    ASSERT_EQ(static_cast<int32_t>(details.size()), company().GetAirportCount());
    for (size_t i = 0; i < details.size(); ++i)
        EXPECT_TRUE(details[i] == *company().GetDetails(static_cast<int32_t>(i))) << "details " << i;
    EXPECT_TRUE(statistics == stats());
    EXPECT_EQ("Sky Blue", company().GetName());
    EXPECT_EQ(cash, company().GetCash());
    EXPECT_EQ(100000, company().GetInitialCredit());
    EXPECT_EQ(7, company().GetMIR());
    EXPECT_EQ(4, company().NextPlaneId());
    EXPECT_EQ(4, company().GetHomeAirport());
    EXPECT_EQ(7, Enviroment::GetGameSeed());
    EXPECT_EQ(worth, company().Worth(Time(1963, 0, 1)));
    EXPECT_EQ(Enviroment::MODEL_WITHDRAWN, Enviroment::GetModelAvailability(7));
    EXPECT_EQ(224 - 112, Enviroment::GetCostIndex());
    ASSERT_NE(nullptr, Enviroment::GetDialogPlane());
    EXPECT_EQ(dialogPlane, Enviroment::GetDialogPlane()->_id);
    EXPECT_EQ(company().FindDetails(14), Enviroment::GetDialogAirport());
    EXPECT_EQ(42, Enviroment::GetDialogModel());
}

TEST_F(EnviromentTest, MissingKeysKeepTheDefaults)
{
    ConfigBlock empty;
    std::string error;
    Enviroment::SetModelAvailability(3, Enviroment::MODEL_WITHDRAWN);
    ASSERT_TRUE(Enviroment::Load(empty, &error)) << error;
    EXPECT_EQ(Enviroment::MODEL_WITHDRAWN, Enviroment::GetModelAvailability(3));
    EXPECT_EQ(500000, company().GetCash());
    EXPECT_EQ(200, Enviroment::GetCostIndex());

    // A company block with only its cash: the rest stays as it was.
    company().OpenStartingAirport(4, start);
    ConfigBlock world;
    ConfigBlock companyBlock;
    companyBlock.Put("_cash", int64_t{123});
    world.PutBlock("_company", companyBlock);
    world.Put("_ef", int32_t{300});
    ASSERT_TRUE(Enviroment::Load(world, &error)) << error;
    EXPECT_EQ(123, company().GetCash());
    EXPECT_EQ(5, company().GetMIR());
    EXPECT_EQ(1, company().GetAirportCount());
    EXPECT_EQ(300, Enviroment::GetCostIndex());
}

TEST_F(EnviromentTest, DamagedSavesAreReportedNotTrusted)
{
    Populate();
    ConfigBlock world;
    Enviroment::Save(world);
    ConfigBlock companyBlock;
    ASSERT_TRUE(world.GetBlock("_company", companyBlock));

    // A chain of planes that loops back.
    ConfigBlock looping = companyBlock;
    ConfigBlock plane;
    ASSERT_TRUE(looping.GetBlock("_pi2", plane));
    PackedRecord p;
    ASSERT_TRUE(p.LoadFrom(plane, "p"));
    std::vector<uint8_t> bytes = p.Bytes();
    const int32_t back = 1;
    std::memcpy(bytes.data() + 34, &back, 4); // next id
    plane.SetEntry(ConfigBlock::VALUE_ENTRY, "p", 1, bytes.data(), static_cast<int32_t>(bytes.size()));
    looping.PutBlock("_pi2", plane);
    ConfigBlock bad = world;
    bad.PutBlock("_company", looping);
    std::string error;
    EXPECT_FALSE(Enviroment::Load(bad, &error));
    EXPECT_NE(std::string::npos, error.find("comes back")) << error;

    // Availability of the wrong size.
    ConfigBlock shortAvail = world;
    const uint8_t five[5] = {2, 2, 2, 2, 2};
    shortAvail.SetEntry(ConfigBlock::VALUE_ENTRY, "_curravailmodels", 16, five, 5);
    EXPECT_FALSE(Enviroment::Load(shortAvail, &error));
    EXPECT_NE(std::string::npos, error.find("_curravailmodels"));

    // A missing plane record ends the chain cleanly.
    const ConfigBlock& missing = companyBlock;
    ConfigBlock rebuilt;
    ConfigBlock child;
    for (const char* key : {"has_planes", "low_plane"})
    {
        const uint8_t* data = nullptr;
        int32_t length = 0;
        ASSERT_TRUE(missing.FindEntry(key, static_cast<int32_t>(std::strlen(key)), data, length));
        rebuilt.SetEntry(ConfigBlock::VALUE_ENTRY, key, static_cast<int32_t>(std::strlen(key)), data, length);
    }
    ASSERT_TRUE(missing.GetBlock("_pi1", child));
    rebuilt.PutBlock("_pi1", child);
    ConfigBlock partial;
    partial.PutBlock("_company", rebuilt);
    ASSERT_TRUE(Enviroment::Load(partial, &error)) << error;
    EXPECT_EQ(1, company().GetPlaneCount());
}

TEST_F(BadTablesTest, ShortModelTableIsRefusedWithItsReason)
{
    std::vector<uint8_t> models = tables.ModelBytes();
    const std::vector<uint8_t> airports = tables.AirportBytes();
    models.resize(105 * PlaneModel::RECORD_SIZE);
    EXPECT_FALSE(Enviroment::Create(models.data(), models.size(), airports.data(), airports.size(), &error));
    EXPECT_NE(std::string::npos, error.find("planemodels_rsc"));
    EXPECT_FALSE(Enviroment::IsCreated());
    models.resize(106 * PlaneModel::RECORD_SIZE + 5);
    EXPECT_FALSE(Enviroment::CheckTables(models.data(), models.size(), airports.data(), airports.size(), &error));
}

TEST_F(BadTablesTest, ZeroSpeedModelIsRefused)
{
    tables.models[17].speed = 0;
    const std::vector<uint8_t> models = tables.ModelBytes();
    const std::vector<uint8_t> airports = tables.AirportBytes();
    EXPECT_FALSE(Enviroment::CheckTables(models.data(), models.size(), airports.data(), airports.size(), &error));
    EXPECT_NE(std::string::npos, error.find("model 17"));
}

TEST_F(BadTablesTest, AirportTableMustHoldExactlyItsRecordsAndNeighbours)
{
    const std::vector<uint8_t> models = tables.ModelBytes();
    std::vector<uint8_t> airports = tables.AirportBytes();
    airports.pop_back();
    EXPECT_FALSE(Enviroment::CheckTables(models.data(), models.size(), airports.data(), airports.size(), &error));
    EXPECT_NE(std::string::npos, error.find("airports_rsc"));

    tables.airports[9].neighbours[3] = 138;
    airports = tables.AirportBytes();
    EXPECT_FALSE(Enviroment::CheckTables(models.data(), models.size(), airports.data(), airports.size(), &error));
    EXPECT_NE(std::string::npos, error.find("airport 9"));

    tables.airports[9].neighbours[3] = 12;
    airports = tables.AirportBytes();
    EXPECT_TRUE(Enviroment::CheckTables(models.data(), models.size(), airports.data(), airports.size(), &error));
}

TEST_F(EnviromentTest, TheEconomySwingsOnlyFromLevel)
{
    Enviroment::RaiseCostIndex(10);
    EXPECT_TRUE(Enviroment::SwingEconomy(true));
    EXPECT_EQ(105, Enviroment::GetSurcharge());
    EXPECT_FALSE(Enviroment::SwingEconomy(false));
    EXPECT_EQ(105, Enviroment::GetSurcharge());
    Enviroment::LevelEconomy();
    EXPECT_TRUE(Enviroment::SwingEconomy(false));
    EXPECT_EQ(-105, Enviroment::GetSurcharge());
    EXPECT_EQ(105, Enviroment::GetCostIndex());
}

// The world tables shipped in the data file load, and a game on them works:
// a home airport researched, a plane bought and flown on its first route.
TEST(EnviromentRealTables, TheShippedTablesMakeAPlayableWorld)
{
    const std::vector<uint8_t> models = ReadShippedEntry("planemodels_rsc");
    const std::vector<uint8_t> airports = ReadShippedEntry("airports_rsc");
    if (models.empty() || airports.empty())
        GTEST_SKIP() << "the world tables are not in Data/Entries";
    std::string error;
    ASSERT_TRUE(Enviroment::Create(models.data(), models.size(), airports.data(), airports.size(), &error)) << error;
    const Time start(1959, 0, 1);
    int32_t onSale = 0;
    for (int32_t i = 0; i < AVAIL_MODELS; ++i)
        onSale += Enviroment::GetModelAvailability(i) == Enviroment::MODEL_ON_SALE;
    EXPECT_GT(onSale, 0);
    for (int32_t a = 0; a < Enviroment::AIRPORT_COUNT; ++a)
    {
        for (int32_t k = 0; k < AirportInfo::NEIGHBOURS; ++k)
            EXPECT_GT(Enviroment::GetAirport(a)._distances[k], 0) << a << " " << k;
    }
    Company* company = Enviroment::GetCompany();
    company->OpenStartingAirport(0, start);
    int32_t cheapest = -1;
    for (int32_t i = 0; i < AVAIL_MODELS; ++i)
    {
        if (Enviroment::GetModelAvailability(i) == Enviroment::MODEL_ON_SALE &&
            (cheapest < 0 || Enviroment::GetPlaneModel(i)._price < Enviroment::GetPlaneModel(cheapest)._price))
            cheapest = i;
    }
    Plane* plane = company->BuyPlane(cheapest, "Plane1", start);
    ASSERT_NE(nullptr, plane);
    int32_t destination = -1;
    for (int32_t k = 0; k < AirportInfo::NEIGHBOURS && destination < 0; ++k)
    {
        const int32_t n = Enviroment::GetNeighbour(0, k);
        if (static_cast<uint32_t>(Enviroment::GetDistance(0, n)) <= plane->Range())
            destination = n;
    }
    ASSERT_GE(destination, 0) << "the cheapest plane reaches no neighbour of airport 0";
    ASSERT_LE(Route::SetupCost(0, destination), company->GetCash());
    company->OpenRoute(plane, 0, destination, Route::LEVEL_MEDIUM, Route::LEVEL_MEDIUM, start);
    company->DepartureBookkeeping(plane);
    EXPECT_GT(plane->_pass_on_board, 0);
    EXPECT_GT(company->Worth(start), 0);
    Enviroment::Destroy();
}


// The game's path: the tables come out of the packed data file of the build.
TEST(EnviromentDataFile, TheWorldComesFromThePackedDataFile)
{
    const std::string path = std::string(SKYREACH_BINARY_DIR) + "/Skyreach.dat";
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        GTEST_SKIP() << "no packed data file in the build folder";
    std::fclose(file);
    DataFile::UseFile(path);
    Enviroment::CreateFromDataFile();
    ASSERT_TRUE(Enviroment::IsCreated());
    EXPECT_EQ(AVAIL_MODELS, Enviroment::GetModelCount());
    const std::vector<uint8_t> airports = ReadShippedEntry("airports_rsc");
    ASSERT_EQ(static_cast<size_t>(Enviroment::AIRPORT_COUNT) * AirportInfo::RECORD_SIZE, airports.size());
    // The packed table holds the same records as the entry it was packed from.
    AirportInfo fromFile = Enviroment::GetAirport(17);
    EXPECT_EQ(0, std::memcmp(fromFile._short_name, airports.data() + 17 * AirportInfo::RECORD_SIZE, 20));
    Enviroment::Destroy();
    DataFile::Destroy();
}

namespace
{
// The saved world with bytes written into one packed record, found through
// a path of child blocks: {"_company", "_pi1", "_route"} and "r" is the
// route of plane 1.
ConfigBlock Patched(const ConfigBlock& block, std::vector<const char*> path, const char* record, size_t offset,
                    const void* bytes, size_t size)
{
    ConfigBlock copy = block;
    if (path.empty())
    {
        PackedRecord r;
        EXPECT_TRUE(r.LoadFrom(copy, record)) << record;
        std::vector<uint8_t> raw = r.Bytes();
        EXPECT_LE(offset + size, raw.size());
        std::memcpy(raw.data() + offset, bytes, size);
        copy.SetEntry(ConfigBlock::VALUE_ENTRY, record, int32_t(std::strlen(record)), raw.data(),
                      int32_t(raw.size()));
        return copy;
    }
    ConfigBlock child;
    EXPECT_TRUE(copy.GetBlock(path.front(), child)) << path.front();
    const char* name = path.front();
    path.erase(path.begin());
    copy.PutBlock(name, Patched(child, path, record, offset, bytes, size));
    return copy;
}

template <class T>
ConfigBlock Patched(const ConfigBlock& block, std::vector<const char*> path, const char* record, size_t offset, T value)
{
    return Patched(block, std::move(path), record, offset, &value, sizeof value);
}

ConfigBlock WithTime(const ConfigBlock& block, std::vector<const char*> path, const Time& time)
{
    ConfigBlock copy = block;
    ConfigBlock saved;
    time.Save(saved);
    if (path.size() == 1)
    {
        copy.PutBlock(path.front(), saved);
        return copy;
    }
    ConfigBlock child;
    EXPECT_TRUE(copy.GetBlock(path.front(), child)) << path.front();
    const char* name = path.front();
    path.erase(path.begin());
    copy.PutBlock(name, WithTime(child, path, time));
    return copy;
}
} // namespace

TEST_F(EnviromentTest, FiguresNoPlayCanReachAreRefused)
{
    Populate();
    ConfigBlock world;
    Enviroment::Save(world);
    const std::vector<uint8_t> intact = world.GetRaw();

    const struct
    {
        const char* what;
        ConfigBlock damaged;
        const char* reason;
    } cases[] = {
        {"a route booking negative passengers",
         Patched(world, {"_company", "_pi1", "_route"}, "r", 41, int32_t(-5)), "no play can reach"},
        {"agency tickets at a reduction above 100 %",
         Patched(world, {"_company", "_pi1", "_route"}, "r", 62, int32_t(250)), "no play can reach"},
        {"a monthly route fee beyond any cost",
         Patched(world, {"_company", "_pi1", "_route"}, "r", 9, int64_t(Company::MAX_PLAUSIBLE_FEE + 1)),
         "no play can reach"},
        {"a flight lasting months",
         WithTime(world, {"_company", "_pi1", "_route", "_duration"}, Time(0, 3, 2)), "no play can reach"},
        {"a plane bought in year 0", WithTime(world, {"_company", "_pi1", "_buy_date"}, Time(0, 0, 1)),
         "not one of the game"},
        {"a plane flown for minus an hour", Patched(world, {"_company", "_pi1"}, "p", 8, -1.0), "wear"},
        {"a plane flown for NaN hours",
         Patched(world, {"_company", "_pi1"}, "p", 8, std::numeric_limits<double>::quiet_NaN()), "wear"},
        {"a repair bill beyond any price",
         Patched(world, {"_company", "_pi1"}, "p", 17, int64_t(Company::MAX_PLAUSIBLE_BILL + 1)), "wear"},
        {"a plane saved under another id", Patched(world, {"_company", "_pi1"}, "p", 30, int32_t(9)),
         "holds the id"},
        {"demand above the cap",
         Patched(world, {"_company", "_ai1"}, "a", 4, int32_t(AirportDetails::MAX_DEMAND + 1)),
         "no play can reach"},
        {"a strike risk past its limit",
         Patched(world, {"_company", "_ai1"}, "a", 64, int32_t(AirportDetails::RISK_LIMIT)),
         "no play can reach"},
        {"office rent beyond any price",
         Patched(world, {"_company", "_ai1"}, "a", 73, int64_t(Company::MAX_PLAUSIBLE_FEE + 1)),
         "no play can reach"},
        {"a plane's profit at the edge of 64 bits",
         Patched(world, {"_company", "_pi1"}, "p", 42, std::numeric_limits<int64_t>::min()), "profit"},
        {"an airport's result at the edge of 64 bits",
         Patched(world, {"_company", "_ai1"}, "a", 103, std::numeric_limits<int64_t>::max()),
         "no play can reach"},
        {"an offer of an unknown kind", Patched(world, {"_company", "_ai1"}, "a", 119, int32_t(4)),
         "no play can reach"},
        {"a research date in the 13th month",
         WithTime(world, {"_company", "_ai1", "_research_date"}, Time(1960, 12, 1)), "no play can reach"},
    };
    for (const auto& c : cases)
    {
        std::string error;
        EXPECT_FALSE(Enviroment::Load(c.damaged, &error)) << c.what;
        EXPECT_NE(std::string::npos, error.find(c.reason)) << c.what << ": " << error;
    }

    // Credit figures feed the worth, the credit limit and the installments.
    const std::pair<const char*, int64_t> credits[] = {
        {"_rc", std::numeric_limits<int64_t>::min()}, {"_oc", -1}, {"_ir", Company::MAX_PLAUSIBLE_RATE + 1}};
    for (const auto& [key, value] : credits)
    {
        ConfigBlock company;
        ASSERT_TRUE(world.GetBlock("_company", company));
        company.Put(key, value);
        ConfigBlock damaged = world;
        damaged.PutBlock("_company", company);
        std::string error;
        EXPECT_FALSE(Enviroment::Load(damaged, &error)) << key;
        EXPECT_NE(std::string::npos, error.find("credit")) << error;
    }

    // Ids are handed out one by one; one at the end of 32 bits would overflow.
    {
        ConfigBlock company;
        ASSERT_TRUE(world.GetBlock("_company", company));
        company.Put("_top_pid", std::numeric_limits<int32_t>::max());
        ConfigBlock damaged = world;
        damaged.PutBlock("_company", company);
        std::string error;
        EXPECT_FALSE(Enviroment::Load(damaged, &error));
        EXPECT_NE(std::string::npos, error.find("ids")) << error;

        ASSERT_TRUE(world.GetBlock("_company", company));
        ConfigBlock plane;
        ASSERT_TRUE(company.GetBlock("_pi1", plane));
        company.Put("low_plane", std::numeric_limits<int32_t>::max());
        company.PutBlock("_pi2147483647", Patched(plane, {}, "p", 30, std::numeric_limits<int32_t>::max()));
        damaged.PutBlock("_company", company);
        EXPECT_FALSE(Enviroment::Load(damaged, &error));
        EXPECT_NE(std::string::npos, error.find("no play hands out")) << error;
    }

    // The statistics book every income and cost onto their sums.
    {
        ConfigBlock statistics;
        ASSERT_TRUE(world.GetBlock("_statistics", statistics));
        statistics.Put("_costs_total", std::numeric_limits<int64_t>::max());
        ConfigBlock damaged = world;
        damaged.PutBlock("_statistics", statistics);
        std::string error;
        EXPECT_FALSE(Enviroment::Load(damaged, &error));
        EXPECT_NE(std::string::npos, error.find("statistics")) << error;
    }

    // The cost index scales every price.
    for (const auto& [ef, et] :
         {std::pair{0, 0}, {Enviroment::MAX_PLAUSIBLE_EF + 1, 0}, {300, 301}, {300, -301}})
    {
        ConfigBlock damaged = world;
        damaged.Put("_ef", int32_t(ef));
        damaged.Put("_et", int32_t(et));
        std::string error;
        EXPECT_FALSE(Enviroment::Load(damaged, &error)) << ef << " " << et;
        EXPECT_NE(std::string::npos, error.find("cost index")) << error;
    }

    // The checks leave every intact figure alone: an unset research or expiry
    // date, 31 February, the extremes themselves.
    ConfigBlock edges = WithTime(world, {"_company", "_ai1", "_expiry_date"}, Time());
    edges = WithTime(edges, {"_company", "_pi1", "_buy_date"}, Time(1960, 1, 31, 23, 59, 59));
    edges = Patched(edges, {"_company", "_ai1"}, "a", 4, int32_t(AirportDetails::MAX_DEMAND));
    edges = Patched(edges, {"_company", "_pi1", "_route"}, "r", 9, int64_t(Company::MAX_PLAUSIBLE_FEE));
    edges.Put("_ef", int32_t(Enviroment::MAX_PLAUSIBLE_EF));
    std::string error;
    ASSERT_TRUE(Enviroment::Load(edges, &error)) << error;
    EXPECT_EQ(Enviroment::MAX_PLAUSIBLE_EF, Enviroment::GetBaseCostIndex());
    EXPECT_EQ(Company::MAX_PLAUSIBLE_FEE, company().GetPlane(0)->GetRoute()->_monthly_fee);
    EXPECT_EQ(AirportDetails::MAX_DEMAND, company().FindDetails(4)->GetDemand(0));
    Reload(intact);
}

TEST_F(EnviromentTest, TheCheapestModelOnSaleForADistance)
{
    // Models 0 to 3 cost 100,000, the others 1,000,000; all fly 5,000 km.
    for (int32_t m = 0; m < Enviroment::GetModelCount(); ++m)
        Enviroment::SetModelAvailability(m, Enviroment::MODEL_ON_SALE);
    EXPECT_EQ(0, Enviroment::CheapestModelFor(0)) << "the first of equal prices";
    Enviroment::SetModelAvailability(0, Enviroment::MODEL_WITHDRAWN);
    EXPECT_EQ(1, Enviroment::CheapestModelFor(0)) << "a withdrawn model is not on sale";
    EXPECT_EQ(1, Enviroment::CheapestModelFor(5000)) << "the range is enough when it equals the distance";
    EXPECT_EQ(-1, Enviroment::CheapestModelFor(5001));
    for (int32_t m = 0; m < Enviroment::GetModelCount(); ++m)
        Enviroment::SetModelAvailability(m, Enviroment::MODEL_UNSERVICED);
    EXPECT_EQ(-1, Enviroment::CheapestModelFor(0));
}

TEST_F(EnviromentTest, RouteCountsComeFromThePlanesRoutes)
{
    Populate();
    const AirportDetails* source = company().FindDetails(4);
    ASSERT_NE(nullptr, source);
    const int32_t out = source->_route_out_cnt;
    ASSERT_EQ(1, out) << "plane 1 flies out of airport 4";
    ConfigBlock world;
    Enviroment::Save(world);

    // A save that counts no route out of airport 4 (details 1) would close
    // a route never counted; the count is taken from the routes instead.
    std::string error;
    ASSERT_TRUE(Enviroment::Load(Patched(world, {"_company", "_ai1"}, "a", 81, int32_t(0)), &error)) << error;
    EXPECT_EQ(out, company().FindDetails(4)->_route_out_cnt);
    ConfigBlock again;
    Enviroment::Save(again);
    EXPECT_EQ(world.GetRaw(), again.GetRaw()) << "an intact save is saved back unchanged";

    // The same airport's details twice.
    ConfigBlock company;
    ASSERT_TRUE(world.GetBlock("_company", company));
    ConfigBlock first;
    ASSERT_TRUE(company.GetBlock("_ai1", first));
    ConfigBlock second;
    ASSERT_TRUE(company.GetBlock("_ai2", second));
    PackedRecord a;
    ASSERT_TRUE(a.LoadFrom(first, "a"));
    std::vector<uint8_t> bytes = a.Bytes();
    PackedRecord b;
    ASSERT_TRUE(b.LoadFrom(second, "a"));
    std::vector<uint8_t> other = b.Bytes();
    std::memcpy(other.data(), bytes.data(), 4); // the airport
    second.SetEntry(ConfigBlock::VALUE_ENTRY, "a", 1, other.data(), static_cast<int32_t>(other.size()));
    company.PutBlock("_ai2", second);
    ConfigBlock twice = world;
    twice.PutBlock("_company", company);
    EXPECT_FALSE(Enviroment::Load(twice, &error));
    EXPECT_NE(std::string::npos, error.find("twice")) << error;
}
