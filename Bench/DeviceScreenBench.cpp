// The cost of one loop step of a quiet screen: composing the device screen
// from the top form and comparing it with the picture shown last. This is
// what the loop pays at every idle step while the menu or a game screen is
// up, so it bounds the idle CPU use at the host's pace.
#include "WinCE/Application.h"
#include "WinCE/DeviceScreen.h"
#include "WinCE/Form.h"
#include "WinCE/Host/HeadlessHost.h"

#include <benchmark/benchmark.h>

namespace
{
class QuietApplication : public Application
{
public:
    void OnInit() override {}
};

class FullForm : public Form
{
public:
    FullForm() : Form("Bench", 0, 0, 240, 268, false, 0) {}
    void Paint() override
    {
        for (int32_t y = 0; y < 268; y += 4)
            FillSolid(Rect{{0, y}, {240, 2}}, static_cast<uint32_t>(y * 997));
    }
};

void BM_QuietStep(benchmark::State& state)
{
    HeadlessHost host;
    SetHost(&host);
    {
        QuietApplication app;
        app.Init();
        FullForm form;
        form.Show();
        app.PresentIfChanged();
        for (auto _ : state)
            benchmark::DoNotOptimize(app.Step(false));
        state.counters["presents"] = host.PresentCount();
    }
    SetHost(nullptr);
}
BENCHMARK(BM_QuietStep);
} // namespace
