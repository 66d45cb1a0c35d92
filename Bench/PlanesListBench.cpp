// The planes list's refresh with a fleet of 100 planes, the work its idle
// step does every 500 ms while time runs: compare every plane's lamp with
// the one shown and redraw the list only when one changed. "Unchanged" is
// the usual case (no plane changed state since the last refresh); "all
// lamps change" flips every plane between flying and paused, so every
// refresh also redraws the visible rows. The target is well below 1 ms.
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/FleetRules.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/MainForm.h"
#include "Common/Gui/Forms/PlanesForm.h"
#include "Common/SkyreachApp.h"
#include "WinCE/DataFile.h"
#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/Host/HostScript.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegistryStore.h"
#include "WinCE/TempFolder.h"

#include "BenchGame.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

namespace
{
constexpr int32_t FLEET = 100;

void PlanesListRefresh(benchmark::State& state, bool flip)
{
    BenchGame game;
    {
        Company* company = Enviroment::GetCompany();
        const int32_t model = Enviroment::CheapestModelFor(0);
        company->Earn(FLEET * Enviroment::GetPlaneModel(model)._price, false);
        const Time now = TimeSimulation::GetCurrGameTime();
        for (int32_t i = 0; i < FLEET; ++i)
            company->BuyPlane(model, "Plane" + std::to_string(i), now);
        // The first plane flies a route, so the flip has something to show.
        Plane* first = company->GetPlane(0);
        const std::vector<int32_t> destinations = FleetRules::Destinations(*first, company->GetHomeAirport());
        if (!destinations.empty())
            FleetRules::SetUpRoute(first, company->GetHomeAirport(), destinations.front(), 1, 1, now);
        CentralFormChanger* navigation = game.Navigation();
        navigation->ChangeForm(Screens::PLANES);
        navigation->Show();
        game.Run("wait 75\n");
        auto* form = static_cast<PlanesForm*>(navigation->GetScreen());
        bool stopped = false;
        for (auto _ : state)
        {
            if (flip)
            {
                stopped = !stopped;
                for (int32_t i = 0; i < FLEET; ++i)
                {
                    Plane* plane = company->GetPlane(i);
                    plane->_flight_state = stopped ? (plane->_flight_state | Plane::STOPPED)
                                                   : (plane->_flight_state & ~Plane::STOPPED);
                }
            }
            form->Refresh();
            form->GetList()->Update();
        }
        state.counters["planes"] = FLEET;
    }
}

void BM_PlanesListRefreshUnchanged(benchmark::State& state)
{
    PlanesListRefresh(state, false);
}
BENCHMARK(BM_PlanesListRefreshUnchanged)->Unit(benchmark::kMicrosecond);

void BM_PlanesListRefreshAllLampsChange(benchmark::State& state)
{
    PlanesListRefresh(state, true);
}
BENCHMARK(BM_PlanesListRefreshAllLampsChange)->Unit(benchmark::kMicrosecond);
} // namespace
