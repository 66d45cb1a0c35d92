// Fuzz target "worldtables": bytes as the data file's two world tables.
//
// The first four bytes (little-endian) say how many of the rest belong to
// "planemodels_rsc"; the remainder is "airports_rsc". Damaged tables are
// refused with a reason and create nothing; tables that are accepted give a
// world whose every model, airport, neighbour and distance can be read, and
// in which a new game starts and runs its first events.
#include "FuzzTarget.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventRegistry.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/TimeSimulation.h"
#include "WinCE/Assert.h"

#include <string>

namespace
{
constexpr int EVENTS_AFTER_START = 20;
} // namespace

void fuzz_targets::SetUpWorldTables()
{
    EventRegistry::Install();
}

void fuzz_targets::RunWorldTables(const uint8_t* data, size_t size)
{
    if (size < 4)
        return;
    const uint32_t claimed = uint32_t(data[0]) | (uint32_t(data[1]) << 8) | (uint32_t(data[2]) << 16) |
                             (uint32_t(data[3]) << 24);
    const size_t rest = size - 4;
    const size_t modelsSize = claimed <= rest ? claimed : rest;
    const uint8_t* models = data + 4;
    const uint8_t* airports = models + modelsSize;
    const size_t airportsSize = rest - modelsSize;

    if (Enviroment::IsCreated())
        Enviroment::Destroy();
    std::string error;
    const bool sound = Enviroment::CheckTables(models, modelsSize, airports, airportsSize, &error);
    std::string createError;
    const bool created = Enviroment::Create(models, modelsSize, airports, airportsSize, &createError);
    ASSERT(sound == created && "checking and creating disagree about the tables");
    if (!created)
    {
        ASSERT(!createError.empty() && "refused tables must say why");
        return;
    }

    for (int32_t model = 0; model < Enviroment::GetModelCount(); ++model)
        Enviroment::GetPlaneModel(model);
    int32_t home = -1;
    for (int32_t airport = 0; airport < Enviroment::AIRPORT_COUNT; ++airport)
    {
        Enviroment::GetAirport(airport);
        Enviroment::GetAirportSize(airport);
        for (int32_t slot = 0; slot < AirportInfo::NEIGHBOURS; ++slot)
        {
            const int32_t neighbour = Enviroment::GetNeighbour(airport, slot);
            if (neighbour >= 0)
                ASSERT(Enviroment::GetDistance(airport, neighbour) >= 0 && "a neighbour without a distance");
        }
        if (home < 0 && Enviroment::GetNeighbour(airport, 0) >= 0)
            home = airport;
    }
    if (home >= 0 && GameState::NewGame("Fuzz Air", home))
    {
        const Time limit = TimeSimulation::GetCurrGameTime().Add(0, 1, 0, 0, 0, 0);
        for (int i = 0; i < EVENTS_AFTER_START; ++i)
            if (GameState::FireNextBefore(limit) < 0)
                break;
    }
    TimeSimulation::Reset();
    Enviroment::Destroy();
}
