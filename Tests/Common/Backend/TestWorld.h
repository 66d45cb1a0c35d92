// The one builder of the worlds that tests and benchmarks run on.
//
// TestTables writes plane-model and airport tables in the data file's byte
// layout, with figures a test or benchmark chooses; TestWorld makes the world
// from them (or from the shipped tables), installs the real event classes and
// a scheduler (or a scheduler over stand-in subjects, for the scheduler's own
// tests), routes notices to a sink, can start a fresh program on the same
// tables, and takes everything down again. RecordingHooks stands in for the
// events layer where a test looks at what the model asked to schedule, and
// NoticeLog records notices and game ends. The GoogleTest fixtures built on
// these are in WorldFixtures.h.
#pragma once

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/EventSubjects.h"
#include "Common/Backend/Events/EventRegistry.h"
#include "Common/Backend/NoticeSink.h"
#include "Common/Backend/Statistics.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Backend/WorldEventHooks.h"

#include <cstring>
#include <memory>
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
            // Neighbours are the next six airports.
            for (int32_t k = 0; k < 6; ++k)
                airports[i].neighbours[k] = static_cast<int16_t>((i + k + 1) % Enviroment::AIRPORT_COUNT);
        }
        SpreadNeighbours(1000, 500);
    }

    // Every airport's first neighbour `first` km away, each further one
    // `step` km further.
    void SpreadNeighbours(int32_t first, int32_t step)
    {
        for (TestAirport& airport : airports)
        {
            for (int32_t k = 0; k < 6; ++k)
                airport.distances[k] = first + step * k;
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

    std::vector<TestModel> models;
    std::vector<TestAirport> airports;
};

class NoticeLog : public NoticeSink
{
public:
    void ShowNotice(int32_t notice) override { notices.push_back(notice); }
    void GameOver(int32_t reason) override { gameOvers.push_back(reason); }
    std::vector<int32_t> notices;
    std::vector<int32_t> gameOvers;
};

class TestWorld
{
public:
    TestWorld() = default;
    ~TestWorld() { Destroy(); }
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    // Creates the process's world from these tables, or from table bytes
    // (the shipped entries); false with the reason.
    bool Create(const TestTables& tables, std::string* error)
    {
        return Create(tables.ModelBytes(), tables.AirportBytes(), error);
    }
    bool Create(const std::vector<uint8_t>& models, const std::vector<uint8_t>& airports, std::string* error)
    {
        _models = models;
        _airports = airports;
        _created =
            Enviroment::Create(_models.data(), _models.size(), _airports.data(), _airports.size(), error);
        return _created;
    }

    // A scheduler with the game's event classes over the world, or over
    // stand-in subjects whose event classes the caller registered.
    void StartScheduler(EventSubjects* subjects = nullptr)
    {
        if (!subjects)
            EventRegistry::Install();
        _simulation = std::make_unique<TimeSimulation>();
        TimeSimulation::SetSubjects(subjects ? subjects : Enviroment::Instance());
        _subjects = subjects;
    }
    TimeSimulation& Scheduler() { return *_simulation; }
    // A fresh scheduler, as a new program has before it loads a save.
    void RestartScheduler()
    {
        _simulation.reset();
        _simulation = std::make_unique<TimeSimulation>();
    }

    // Notices and game ends go to `sink` until the world is taken down.
    void SendNoticesTo(NoticeSink* sink)
    {
        NoticeSink* previous = SetNoticeSink(sink);
        if (!_sinkSet)
            _previousSink = previous;
        _sinkSet = true;
    }

    // A fresh program on the same tables: scheduler and world gone, the world
    // made again and a new scheduler, ready to load a save.
    bool Restart(std::string* error)
    {
        _simulation.reset();
        Enviroment::Destroy();
        _created =
            Enviroment::Create(_models.data(), _models.size(), _airports.data(), _airports.size(), error);
        if (_created)
            StartScheduler(_subjects);
        return _created;
    }

    // Takes down what was made and puts back the sink that was installed.
    void Destroy()
    {
        _simulation.reset();
        if (_subjects)
            TimeSimulation::SetSubjects(nullptr);
        if (_sinkSet)
            SetNoticeSink(_previousSink);
        _sinkSet = false;
        if (_created)
        {
            Enviroment::SetEventHooks(nullptr);
            Enviroment::Destroy();
        }
        _created = false;
    }

private:
    std::vector<uint8_t> _models;
    std::vector<uint8_t> _airports;
    bool _created = false;
    std::unique_ptr<TimeSimulation> _simulation;
    EventSubjects* _subjects = nullptr;
    bool _sinkSet = false;
    NoticeSink* _previousSink = nullptr;
};
