// A small world for the simulation model's tests: plane-model and airport
// tables built in memory in the data file's byte layout, the world created
// from them, and a recorder standing in for the events layer.
#pragma once

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Statistics.h"
#include "Common/Backend/WorldEventHooks.h"
#include "WinCE/Random.h"
#include "WinCE/TickCount.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

struct RecordedEvent
{
    std::string kind; // "plane", "airport", "global", "model", "step", "growth", "cancel-plane", "cancel-airport"
    int32_t type = 0;
    Plane* plane = nullptr;
    AirportDetails* airport = nullptr;
    Time at;
    int32_t model = -1;
    int32_t size = 0;
    int32_t effects[6] = {};
    bool allButType = false;
};

class RecordingHooks : public WorldEventHooks
{
public:
    void SchedulePlaneEvent(int32_t type, Plane* plane, const Time& at) override
    {
        RecordedEvent e;
        e.kind = "plane";
        e.type = type;
        e.plane = plane;
        e.at = at;
        events.push_back(e);
    }
    void ScheduleAirportEvent(int32_t type, AirportDetails* airport, const Time& at) override
    {
        RecordedEvent e;
        e.kind = "airport";
        e.type = type;
        e.airport = airport;
        e.at = at;
        events.push_back(e);
    }
    void ScheduleGlobalEvent(int32_t type, const Time& at) override
    {
        RecordedEvent e;
        e.kind = "global";
        e.type = type;
        e.at = at;
        events.push_back(e);
    }
    void ScheduleModelEvent(int32_t type, int32_t model, const Time& at) override
    {
        RecordedEvent e;
        e.kind = "model";
        e.type = type;
        e.model = model;
        e.at = at;
        events.push_back(e);
    }
    void ScheduleCampaignStep(AirportDetails* airport, const Time& at, const int32_t effects[6], int32_t size) override
    {
        RecordedEvent e;
        e.kind = "step";
        e.type = AIRPORT_EFFECT;
        e.airport = airport;
        e.at = at;
        e.size = size;
        std::memcpy(e.effects, effects, sizeof(e.effects));
        events.push_back(e);
    }
    void ScheduleCampaignGrowth(AirportDetails* airport, const Time& at, int32_t size) override
    {
        RecordedEvent e;
        e.kind = "growth";
        e.type = AIRPORT_GROWTH;
        e.airport = airport;
        e.at = at;
        e.size = size;
        events.push_back(e);
    }
    void CancelPlaneEvents(Plane* plane, int32_t type, bool allButType) override
    {
        RecordedEvent e;
        e.kind = "cancel-plane";
        e.type = type;
        e.plane = plane;
        e.allButType = allButType;
        events.push_back(e);
    }
    void CancelAirportEvents(AirportDetails* airport, int32_t type, bool allButType) override
    {
        RecordedEvent e;
        e.kind = "cancel-airport";
        e.type = type;
        e.airport = airport;
        e.allButType = allButType;
        events.push_back(e);
    }

    int Count(const std::string& kind, int32_t type) const
    {
        int n = 0;
        for (const RecordedEvent& e : events)
            n += e.kind == kind && e.type == type;
        return n;
    }
    const RecordedEvent* Last(const std::string& kind, int32_t type) const
    {
        for (auto it = events.rbegin(); it != events.rend(); ++it)
        {
            if (it->kind == kind && it->type == type)
                return &*it;
        }
        return nullptr;
    }

    std::vector<RecordedEvent> events;
};

struct TestModel
{
    std::string name;
    int32_t intro = 1950;
    int32_t withdrawal = 1990;
    int64_t price = 1000000;
    int32_t speed = 800;
    uint32_t range = 5000;
    int32_t capacity = 150;
    int32_t runout = 24;
};

struct TestAirport
{
    std::string shortName;
    int16_t size = 150;
    int16_t neighbours[6] = {};
    int32_t distances[6] = {};
};

class TestTables
{
public:
    TestTables()
    {
        models.resize(AVAIL_MODELS);
        for (int32_t i = 0; i < AVAIL_MODELS; ++i)
        {
            models[i].name = "Model" + std::to_string(i);
            models[i].intro = 1940 + i % 40;
            models[i].withdrawal = 1970 + i % 30;
            models[i].price = 500000 + 10000 * i;
            models[i].speed = 600 + i;
        }
        airports.resize(Enviroment::AIRPORT_COUNT);
        static const int16_t SIZES[5] = {50, 100, 150, 200, 250};
        for (int32_t i = 0; i < Enviroment::AIRPORT_COUNT; ++i)
        {
            airports[i].shortName = "AP" + std::to_string(i);
            airports[i].size = SIZES[i % 5];
            for (int32_t k = 0; k < 6; ++k)
            {
                // Neighbours are the next six airports; the first is always
                // 1000 km away, the others further.
                airports[i].neighbours[k] = static_cast<int16_t>((i + k + 1) % Enviroment::AIRPORT_COUNT);
                airports[i].distances[k] = 1000 + 500 * k;
            }
        }
    }

    std::vector<uint8_t> ModelBytes() const
    {
        std::vector<uint8_t> bytes;
        for (const TestModel& m : models)
        {
            uint8_t record[PlaneModel::RECORD_SIZE] = {};
            std::memset(record, 0xAB, 40);
            std::strncpy(reinterpret_cast<char*>(record + 40), m.name.c_str(), 39);
            std::memcpy(record + 80, &m.intro, 4);
            std::memcpy(record + 84, &m.withdrawal, 4);
            std::memcpy(record + 88, &m.price, 8);
            std::memcpy(record + 96, &m.speed, 4);
            std::memcpy(record + 100, &m.range, 4);
            std::memcpy(record + 104, &m.capacity, 4);
            std::memcpy(record + 108, &m.runout, 4);
            bytes.insert(bytes.end(), record, record + sizeof(record));
        }
        return bytes;
    }

    std::vector<uint8_t> AirportBytes() const
    {
        std::vector<uint8_t> bytes;
        for (const TestAirport& a : airports)
        {
            uint8_t record[AirportInfo::RECORD_SIZE] = {};
            std::strncpy(reinterpret_cast<char*>(record), a.shortName.c_str(), 19);
            std::strncpy(reinterpret_cast<char*>(record + 20), ("Airport " + a.shortName).c_str(), 59);
            std::strncpy(reinterpret_cast<char*>(record + 80), "Country", 19);
            std::memcpy(record + 100, &a.size, 2);
            std::memcpy(record + 102, a.neighbours, 12);
            std::memcpy(record + 114, a.distances, 24);
            bytes.insert(bytes.end(), record, record + sizeof(record));
        }
        return bytes;
    }

    // Creates the process's world from these tables.
    bool CreateWorld(std::string* error) const
    {
        const std::vector<uint8_t> modelBytes = ModelBytes();
        const std::vector<uint8_t> airportBytes = AirportBytes();
        return Enviroment::Create(modelBytes.data(), modelBytes.size(), airportBytes.data(), airportBytes.size(),
                                  error);
    }

    std::vector<TestModel> models;
    std::vector<TestAirport> airports;
};

// Creates the world from the test tables before each test and removes it
// after; the recorder takes the model's event requests.
class WorldTest : public ::testing::Test
{
protected:
    // Tests may change the tables here before the world is created.
    virtual void ShapeTables(TestTables&) {}

    void SetUp() override
    {
        TestTables tables;
        ShapeTables(tables);
        std::string error;
        ASSERT_TRUE(tables.CreateWorld(&error)) << error;
        Enviroment::SetGameSeed(7);
        Enviroment::SetEventHooks(&hooks);
        SRand(12345);
    }

    void TearDown() override
    {
        Enviroment::SetEventHooks(nullptr);
        Enviroment::Destroy();
    }

    Company& company() { return *Enviroment::GetCompany(); }
    Statistics& stats() { return *Enviroment::GetStatistics(); }

    RecordingHooks hooks;
    FakeClock clock{1000};
    const Time start{1959, 0, 1};
};
