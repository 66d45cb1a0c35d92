// Enviroment: the root of the simulated world.
//
// A set of process-wide objects reached through static accessors: the plane
// model table, the airport table, the one player Company, the one Statistics
// record, the availability of every plane model, the cost index, the game
// seed, the subject of the most recent game event and the hooks through which
// the model asks for dated events. The one instance of the class serves the
// scheduler as its EventSubjects (plane and airport ids to pointers and back). The application object creates the world
// once at start, saves it into and restores it from the save block, and
// destroys it at exit. Screens read the world here and change it only through
// company operations.
#pragma once

#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/EventSubjects.h"
#include "Common/Backend/PlaneModel.h"
#include "Common/Backend/Time.h"
#include "Common/Backend/WorldEventHooks.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <cstddef>
#include <cstdint>
#include <string>

class Company;
class Statistics;
class Plane;
class AirportDetails;

constexpr int32_t AVAIL_MODELS = 106;

class Enviroment : public EventSubjects
{
public:
    static constexpr int32_t AIRPORT_COUNT = 138;
    static constexpr int32_t START_EF = 200;
    // The largest base cost index a saved game may hold: several times what
    // 44 years of rises give.
    static constexpr int32_t MAX_PLAUSIBLE_EF = 10000;
    static constexpr int32_t FIRST_YEAR = 1959;
    // The base cost index rises by this much at every month's airport checks.
    static constexpr int32_t MONTHLY_EF_RISE = 2;

    // Availability states of a plane model.
    static constexpr uint8_t MODEL_UNSERVICED = 0; // neither sold nor serviced
    static constexpr uint8_t MODEL_WITHDRAWN = 1;  // no longer sold, still serviced
    static constexpr uint8_t MODEL_ON_SALE = 2;

    // Creates the world from the raw bytes of the "planemodels_rsc" and
    // "airports_rsc" entries. Damaged tables create nothing: the result is
    // false and `error` names what is wrong.
    static bool Create(const uint8_t* models, size_t modelsSize, const uint8_t* airports, size_t airportsSize,
                       std::string* error);
    // The game's path: both tables from the process's data file. Damaged or
    // missing tables stop the program with a fatal error naming the problem.
    static void CreateFromDataFile();
    static void Destroy();
    static bool IsCreated();

    // Checks the two tables without creating anything.
    static bool CheckTables(const uint8_t* models, size_t modelsSize, const uint8_t* airports,
                            size_t airportsSize, std::string* error);

    // A new game: the company and statistics start over, availability from
    // the intro years.
    static void NewGame();

    static void Save(ConfigBlock& block);
    // Every key is optional. A damaged save (a plane of an unknown model, a
    // chain that loops, a record of the wrong size) gives false with the
    // reason; what could be read is kept.
    static bool Load(const ConfigBlock& block, std::string* error);

    static PlaneModel GetPlaneModel(int32_t id);
    static AirportInfo GetAirport(int32_t id);
    static int32_t GetModelCount();
    static int32_t GetAirportSize(int32_t id);
    // Distance in km from an airport to one of its neighbours; -1 for an
    // airport that is not among its neighbours.
    static int32_t GetDistance(int32_t from, int32_t to);
    static int32_t GetNeighbour(int32_t airport, int32_t slot);
    // Every route the world allows: the pairs of neighbouring airports
    // (either direction counts once).
    static int32_t PossibleRouteCount();

    static Company* GetCompany();
    static Statistics* GetStatistics();

    static uint8_t GetModelAvailability(int32_t model);
    // The cheapest model on sale whose range covers `distance` km (the
    // first of equal prices), or -1 when none is.
    static int32_t CheapestModelFor(int32_t distance);
    static void SetModelAvailability(int32_t model, uint8_t state);
    static void InitialiseAvailability();
    // The yearly market schedule: new models and withdrawals of the year.
    static void ScheduleModelChanges(int32_t year);

    static int32_t GetCostIndex();
    static int32_t GetBaseCostIndex();
    static int32_t GetSurcharge();
    static void SetSurcharge(int32_t value);
    static void ResetCostIndex();
    static void RaiseCostIndex(int32_t n);
    // The base index on 1 January of `year` in a game without economy swings:
    // the start value plus a rise for every month since the game began.
    static int32_t BaseCostIndexIn(int32_t year);
    // The economy swings: while the surcharge is 0 it becomes plus (growing)
    // or minus (falling) half the index in force; false when a swing is
    // already on. Levelling out sets it back to 0.
    static bool SwingEconomy(bool grows);
    static void LevelEconomy();

    static uint32_t GetGameSeed();
    static void SetGameSeed(uint32_t seed);

    static Plane* GetDialogPlane();
    static void SetDialogPlane(Plane* plane);
    static AirportDetails* GetDialogAirport();
    static void SetDialogAirport(AirportDetails* airport);
    static int32_t GetDialogModel();
    static void SetDialogModel(int32_t model);

    // The identifier lookups of the scheduler's saved events. The world's one
    // instance installs itself with TimeSimulation::SetSubjects while it exists.
    static Enviroment* Instance();
    int32_t PlaneId(const Plane* plane) const override;
    int32_t AirportId(const AirportDetails* airport) const override;
    Plane* FindPlane(int32_t id) const override;
    AirportDetails* FindAirport(int32_t id) const override;

    // The events layer installs its hooks here; without them requests are
    // dropped and logged (see WorldEventHooks).
    static void SetEventHooks(WorldEventHooks* hooks);
    static WorldEventHooks& Events();
};
