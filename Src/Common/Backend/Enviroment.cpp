#include "Common/Backend/Enviroment.h"

#include <algorithm>
#include <set>
#include <utility>

#include "Common/Backend/Company.h"
#include "Common/Backend/PackedRecord.h"
#include "Common/Backend/Statistics.h"
#include "Common/Backend/TimeSimulation.h"
#include "WinCE/Assert.h"
#include "WinCE/DebugOutput.h"
#include "WinCE/Random.h"
#include "WinCE/TickCount.h"
#include "WinCE/VFileResource.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace
{
// Stands in for the events layer while none is installed: a request for an
// event is dropped, and said so on the debug output; cancellations need no
// event classes and go to the scheduler.
class DroppingHooks : public WorldEventHooks
{
public:
    void SchedulePlaneEvent(int32_t type, Plane*, const Time&) override { Drop("plane", type); }
    void ScheduleAirportEvent(int32_t type, AirportDetails*, const Time&) override { Drop("airport", type); }
    void ScheduleGlobalEvent(int32_t type, const Time&) override { Drop("global", type); }
    void ScheduleModelEvent(int32_t type, int32_t, const Time&) override { Drop("model", type); }
    void ScheduleCampaignStep(AirportDetails*, const Time&, const int32_t*, int32_t) override
    {
        Drop("airport", AIRPORT_EFFECT);
    }
    void ScheduleCampaignGrowth(AirportDetails*, const Time&, int32_t) override { Drop("airport", AIRPORT_GROWTH); }
    void CancelPlaneEvents(Plane* plane, int32_t type, bool allButType) override
    {
        TimeSimulation::CancelPlaneEvents(plane, type, allButType);
    }
    void CancelAirportEvents(AirportDetails* airport, int32_t type, bool allButType) override
    {
        TimeSimulation::CancelAirportEvents(airport, type, allButType);
    }

private:
    static void Drop(const char* kind, int32_t type)
    {
        DebugPrintf("Enviroment: no event layer installed, %s event %d not scheduled\n", kind, type);
    }
};

struct WorldState
{
    bool created = false;
    std::vector<PlaneModel> models;
    std::vector<AirportInfo> airports;
    std::unique_ptr<Statistics> statistics;
    std::unique_ptr<Company> company;
    uint8_t availability[AVAIL_MODELS] = {};
    int32_t ef = Enviroment::START_EF;
    int32_t et = 0;
    uint32_t seed = 0;
    Plane* dialogPlane = nullptr;
    AirportDetails* dialogAirport = nullptr;
    int32_t dialogModel = 0;
    WorldEventHooks* hooks = nullptr;
    std::unique_ptr<Enviroment> instance;
};

WorldState& World()
{
    static WorldState state;
    return state;
}

void SetError(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
}

bool ParseModels(const uint8_t* data, size_t size, std::vector<PlaneModel>* models, std::string* error)
{
    if (!data || size % PlaneModel::RECORD_SIZE != 0 || size / PlaneModel::RECORD_SIZE < AVAIL_MODELS)
    {
        SetError(error, "planemodels_rsc: " + std::to_string(size) + " bytes are not a whole number of " +
                            std::to_string(PlaneModel::RECORD_SIZE) + "-byte records, at least " +
                            std::to_string(AVAIL_MODELS));
        return false;
    }
    PackedRecord record(data, size);
    models->resize(size / PlaneModel::RECORD_SIZE);
    for (size_t i = 0; i < models->size(); ++i)
    {
        PlaneModel& m = (*models)[i];
        record.GetBytes(m._unused, sizeof(m._unused));
        record.GetBytes(m._name, sizeof(m._name));
        m._name[PlaneModel::NAME_SIZE - 1] = '\0';
        m._intro_year = record.Get32();
        m._withdrawal_year = record.Get32();
        m._price = record.Get64();
        m._speed = record.Get32();
        m._range = static_cast<uint32_t>(record.Get32());
        m._capacity = record.Get32();
        m._runout_months = record.Get32();
        // Values that divide or multiply the game's money must be sane.
        if (i < static_cast<size_t>(AVAIL_MODELS) &&
            (m._speed <= 0 || m._capacity < 0 || m._price < 0 || m._runout_months < 0))
        {
            SetError(error, "planemodels_rsc: model " + std::to_string(i) + " has speed " +
                                std::to_string(m._speed) + ", capacity " + std::to_string(m._capacity) +
                                ", price " + std::to_string(m._price) + " and run-out " +
                                std::to_string(m._runout_months));
            return false;
        }
    }
    return true;
}

bool ParseAirports(const uint8_t* data, size_t size, std::vector<AirportInfo>* airports, std::string* error)
{
    const size_t expected = static_cast<size_t>(Enviroment::AIRPORT_COUNT) * AirportInfo::RECORD_SIZE;
    if (!data || size != expected)
    {
        SetError(error, "airports_rsc: " + std::to_string(size) + " bytes instead of " + std::to_string(expected));
        return false;
    }
    PackedRecord record(data, size);
    airports->resize(Enviroment::AIRPORT_COUNT);
    for (int32_t i = 0; i < Enviroment::AIRPORT_COUNT; ++i)
    {
        AirportInfo& a = (*airports)[static_cast<size_t>(i)];
        record.GetBytes(a._short_name, sizeof(a._short_name));
        record.GetBytes(a._name, sizeof(a._name));
        record.GetBytes(a._country, sizeof(a._country));
        a._short_name[sizeof(a._short_name) - 1] = '\0';
        a._name[sizeof(a._name) - 1] = '\0';
        a._country[sizeof(a._country) - 1] = '\0';
        a._size = record.Get16();
        for (int16_t& n : a._neighbours)
            n = record.Get16();
        for (int32_t& d : a._distances)
            d = record.Get32();
        for (int32_t k = 0; k < AirportInfo::NEIGHBOURS; ++k)
        {
            if (a._neighbours[k] < 0 || a._neighbours[k] >= Enviroment::AIRPORT_COUNT || a._distances[k] < 0)
            {
                SetError(error, "airports_rsc: airport " + std::to_string(i) + " has neighbour " +
                                    std::to_string(a._neighbours[k]) + " at " + std::to_string(a._distances[k]) +
                                    " km in slot " + std::to_string(k));
                return false;
            }
        }
    }
    return true;
}
} // namespace

bool Enviroment::CheckTables(const uint8_t* models, size_t modelsSize, const uint8_t* airports, size_t airportsSize,
                             std::string* error)
{
    std::vector<PlaneModel> m;
    std::vector<AirportInfo> a;
    return ParseModels(models, modelsSize, &m, error) && ParseAirports(airports, airportsSize, &a, error);
}

bool Enviroment::Create(const uint8_t* models, size_t modelsSize, const uint8_t* airports, size_t airportsSize,
                        std::string* error)
{
    WorldState& w = World();
    ASSERT(!w.created && "_planemodels == NULL");
    std::vector<PlaneModel> m;
    std::vector<AirportInfo> a;
    if (!ParseModels(models, modelsSize, &m, error) || !ParseAirports(airports, airportsSize, &a, error))
        return false;
    w.models = std::move(m);
    w.airports = std::move(a);
    w.created = true;
    w.dialogPlane = nullptr;
    w.dialogAirport = nullptr;
    w.dialogModel = 0;
    w.statistics = std::make_unique<Statistics>();
    w.company = std::make_unique<Company>(w.statistics.get());
    SRand(GetTickCount());
    w.seed = static_cast<uint32_t>(Rand());
    InitialiseAvailability();
    w.instance.reset(new Enviroment());
    TimeSimulation::SetSubjects(w.instance.get());
    return true;
}

void Enviroment::CreateFromDataFile()
{
    // A resource that cannot be loaded stops the program inside
    // VFileResource with the entry's name.
    const VFileResource models("planemodels_rsc");
    const VFileResource airports("airports_rsc");
    std::string error;
    const bool created =
        Create(models.GetData(), static_cast<size_t>(std::max(models.GetSize(), 0)), airports.GetData(),
               static_cast<size_t>(std::max(airports.GetSize(), 0)), &error);
    FATAL(!created, ("Damaged data file: " + error).c_str());
}

void Enviroment::Destroy()
{
    WorldState& w = World();
    if (TimeSimulation::GetSubjects() == w.instance.get())
        TimeSimulation::SetSubjects(nullptr);
    w.instance.reset();
    w.company.reset();
    w.statistics.reset();
    w.models.clear();
    w.airports.clear();
    w.created = false;
    w.dialogPlane = nullptr;
    w.dialogAirport = nullptr;
    w.dialogModel = 0;
    w.ef = START_EF;
    w.et = 0;
}

bool Enviroment::IsCreated()
{
    return World().created;
}

void Enviroment::NewGame()
{
    WorldState& w = World();
    ASSERT(w.created && "the world must exist");
    w.company->Reset();
    w.statistics->Reset();
    InitialiseAvailability();
}

void Enviroment::Save(ConfigBlock& block)
{
    WorldState& w = World();
    ASSERT(w.created && "the world must exist");
    ConfigBlock company;
    w.company->Save(company);
    block.PutBlock("_company", company);
    ConfigBlock statistics;
    w.statistics->Save(statistics);
    block.PutBlock("_statistics", statistics);
    block.SetEntry(ConfigBlock::VALUE_ENTRY, "_curravailmodels", 16, w.availability, AVAIL_MODELS);
    block.Put("_ef", w.ef);
    block.Put("_et", w.et);
    // The seed fixes office, research and advertising prices for the whole
    // game, so it travels with the save; an older save without it keeps the
    // seed drawn at start.
    block.Put("_seed", w.seed);
}

bool Enviroment::Load(const ConfigBlock& block, std::string* error)
{
    WorldState& w = World();
    ASSERT(w.created && "the world must exist");
    block.Get("_ef", w.ef);
    block.Get("_et", w.et);
    block.Get("_seed", w.seed);
    // Every price is scaled by the cost index; a damaged one would overflow them.
    if (w.ef < 1 || w.ef > MAX_PLAUSIBLE_EF || w.et < -w.ef || w.et > w.ef)
    {
        SetError(error, "the cost index " + std::to_string(w.ef) + " with surcharge " + std::to_string(w.et) +
                            " is outside the possible range");
        return false;
    }
    const uint8_t* data = nullptr;
    int32_t length = 0;
    if (block.FindEntry("_curravailmodels", 16, data, length))
    {
        if (length != AVAIL_MODELS)
        {
            SetError(error, "_curravailmodels has " + std::to_string(length) + " bytes instead of 106");
            return false;
        }
        for (int32_t i = 0; i < AVAIL_MODELS; ++i)
        {
            if (data[i] > MODEL_ON_SALE)
            {
                SetError(error, "model " + std::to_string(i) + " has availability " + std::to_string(data[i]));
                return false;
            }
        }
        std::memcpy(w.availability, data, AVAIL_MODELS);
    }
    ConfigBlock child;
    if (block.GetBlock("_statistics", child))
        w.statistics->Load(child);
    if (!w.statistics->HasPlausibleTotals())
    {
        SetError(error, "the statistics hold sums no play can reach");
        return false;
    }
    if (block.GetBlock("_company", child))
        return w.company->Load(child, error);
    return true;
}

PlaneModel Enviroment::GetPlaneModel(int32_t id)
{
    const WorldState& w = World();
    ASSERT(id >= 0 && static_cast<size_t>(id) < w.models.size() && "plane model index out of range");
    return w.models[static_cast<size_t>(id)];
}

AirportInfo Enviroment::GetAirport(int32_t id)
{
    const WorldState& w = World();
    ASSERT(id >= 0 && static_cast<size_t>(id) < w.airports.size() && "airport index out of range");
    return w.airports[static_cast<size_t>(id)];
}

int32_t Enviroment::GetModelCount()
{
    return static_cast<int32_t>(World().models.size());
}

int32_t Enviroment::GetAirportSize(int32_t id)
{
    const WorldState& w = World();
    ASSERT(id >= 0 && static_cast<size_t>(id) < w.airports.size() && "airport index out of range");
    return w.airports[static_cast<size_t>(id)]._size;
}

int32_t Enviroment::GetDistance(int32_t from, int32_t to)
{
    const WorldState& w = World();
    if (from < 0 || static_cast<size_t>(from) >= w.airports.size())
        return -1;
    const AirportInfo& info = w.airports[static_cast<size_t>(from)];
    const int32_t slot = info.SlotOf(to);
    return slot < 0 ? -1 : info._distances[slot];
}

int32_t Enviroment::PossibleRouteCount()
{
    std::set<std::pair<int32_t, int32_t>> pairs;
    for (int32_t a = 0; a < AIRPORT_COUNT; ++a)
    {
        for (int32_t slot = 0; slot < AirportInfo::NEIGHBOURS; ++slot)
            pairs.insert(std::minmax(a, GetNeighbour(a, slot)));
    }
    return static_cast<int32_t>(pairs.size());
}

int32_t Enviroment::GetNeighbour(int32_t airport, int32_t slot)
{
    ASSERT(slot >= 0 && slot < AirportInfo::NEIGHBOURS && "neighbour slot out of range");
    return GetAirport(airport)._neighbours[slot];
}

Company* Enviroment::GetCompany()
{
    return World().company.get();
}

Statistics* Enviroment::GetStatistics()
{
    return World().statistics.get();
}

uint8_t Enviroment::GetModelAvailability(int32_t model)
{
    ASSERT(model >= 0 && model<AVAIL_MODELS && "model<AVAIL_MODELS");
    return World().availability[model];
}

int32_t Enviroment::CheapestModelFor(int32_t distance)
{
    const WorldState& w = World();
    int32_t best = -1;
    for (int32_t m = 0; m < static_cast<int32_t>(w.models.size()); ++m)
    {
        const PlaneModel& model = w.models[m];
        if (w.availability[m] == MODEL_ON_SALE && model._range >= static_cast<uint32_t>(distance) &&
            (best < 0 || model._price < w.models[best]._price))
            best = m;
    }
    return best;
}

void Enviroment::SetModelAvailability(int32_t model, uint8_t state)
{
    ASSERT(model >= 0 && model<AVAIL_MODELS && "model<AVAIL_MODELS");
    ASSERT(state <= MODEL_ON_SALE && "availability is 0, 1 or 2");
    World().availability[model] = state;
}

void Enviroment::InitialiseAvailability()
{
    WorldState& w = World();
    for (int32_t i = 0; i < AVAIL_MODELS; ++i)
        w.availability[i] = w.models[static_cast<size_t>(i)]._intro_year > FIRST_YEAR ? MODEL_UNSERVICED : MODEL_ON_SALE;
}

void Enviroment::ScheduleModelChanges(int32_t year)
{
    const WorldState& w = World();
    SRand(GetTickCount());
    for (int32_t i = 0; i < AVAIL_MODELS; ++i)
    {
        // Both numbers are drawn for every model, used or not.
        const int32_t month = Rand() % 12;
        const int32_t day = Rand() % 31 + 1;
        const Time at(year, month, day, 0, 0, 0);
        const PlaneModel& model = w.models[static_cast<size_t>(i)];
        if (model._intro_year == year)
            Events().ScheduleModelEvent(WorldEventHooks::NEW_MODEL, i, at);
        if (model._withdrawal_year == year)
            Events().ScheduleModelEvent(WorldEventHooks::MODEL_WITHDRAWAL, i, at);
    }
}

int32_t Enviroment::GetCostIndex()
{
    return World().ef + World().et;
}

int32_t Enviroment::GetBaseCostIndex()
{
    return World().ef;
}

int32_t Enviroment::GetSurcharge()
{
    return World().et;
}

void Enviroment::SetSurcharge(int32_t value)
{
    World().et = value;
}

void Enviroment::ResetCostIndex()
{
    World().ef = START_EF;
    World().et = 0;
}

void Enviroment::RaiseCostIndex(int32_t n)
{
    World().ef += n;
}

int32_t Enviroment::BaseCostIndexIn(int32_t year)
{
    return START_EF + MONTHLY_EF_RISE * 12 * (year - FIRST_YEAR);
}

bool Enviroment::SwingEconomy(bool grows)
{
    WorldState& w = World();
    if (w.et != 0)
        return false;
    const int32_t half = (w.ef + w.et) / 2;
    w.et = grows ? half : -half;
    return true;
}

void Enviroment::LevelEconomy()
{
    World().et = 0;
}

uint32_t Enviroment::GetGameSeed()
{
    return World().seed;
}

void Enviroment::SetGameSeed(uint32_t seed)
{
    World().seed = seed;
}

Plane* Enviroment::GetDialogPlane()
{
    return World().dialogPlane;
}

void Enviroment::SetDialogPlane(Plane* plane)
{
    World().dialogPlane = plane;
}

AirportDetails* Enviroment::GetDialogAirport()
{
    return World().dialogAirport;
}

void Enviroment::SetDialogAirport(AirportDetails* airport)
{
    World().dialogAirport = airport;
}

int32_t Enviroment::GetDialogModel()
{
    return World().dialogModel;
}

void Enviroment::SetDialogModel(int32_t model)
{
    World().dialogModel = model;
}

Enviroment* Enviroment::Instance()
{
    return World().instance.get();
}

int32_t Enviroment::PlaneId(const Plane* plane) const
{
    return plane ? plane->_id : -1;
}

int32_t Enviroment::AirportId(const AirportDetails* airport) const
{
    return airport ? airport->_id : -1;
}

Plane* Enviroment::FindPlane(int32_t id) const
{
    Company* company = GetCompany();
    return company ? company->FindPlane(id) : nullptr;
}

AirportDetails* Enviroment::FindAirport(int32_t id) const
{
    Company* company = GetCompany();
    return company ? company->FindDetailsById(id) : nullptr;
}

void Enviroment::SetEventHooks(WorldEventHooks* hooks)
{
    World().hooks = hooks;
}

WorldEventHooks& Enviroment::Events()
{
    static DroppingHooks dropping;
    WorldEventHooks* hooks = World().hooks;
    return hooks ? *hooks : dropping;
}
