// The virtual 7.1 speakers' two hot paths through the feature code, on the main window over the simulated
// Windows: one tick of the 20 ms rotation timer and one move of a dragged speaker icon. Each sends one
// 72-byte request to the (simulated) filter driver, which "requests" counts per call. At 50 ticks a second
// a call's CPU time of 200 us would be 1 % of a core.

#include "features/SpeakerGeometry.h"
#include "panel/form/tests/ShellFixture.h"
#include "platform/sim/SimWindows.h"
#include "skin/ComponentTags.h"
#include "ui/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace tonvel::bench {
namespace {

constexpr int64_t ClearEvery = 1024; // the simulated driver keeps every request; it is emptied now and then

// The panel as the user has it: shipped assets, the headset plugged in, the window started.
struct PANEL : Shell {
    PANEL() : Shell(true, false) { Start(false); }
    CVirtualSpeakers& Speakers() { return form->Features().VirtualSpeakers(); }
};

void Count(benchmark::State& state, uint64_t requests) {
    state.counters["requests"] =
        benchmark::Counter(static_cast<double>(requests), benchmark::Counter::kAvgIterations);
}

void RotationTick(benchmark::State& state) {
    PANEL panel;
    panel.Speakers().ButtonDown(TagClockwise, *panel.form->Image(u"VirtualClockwiseImage"));
    panel.sim.FilterDriver().ClearRequests();
    uint64_t requests = 0;
    int64_t n = 0;
    for (auto _ : state) {
        panel.Speakers().RotateVirtualSpeakers();
        if (++n % ClearEvery == 0) {
            requests += panel.sim.FilterDriver().Requests().size();
            panel.sim.FilterDriver().ClearRequests();
        }
    }
    Count(state, requests + panel.sim.FilterDriver().Requests().size());
}

// The centre speaker dragged back and forth by a pixel inside the circle: every move is accepted and sent.
void SpeakerDragMove(benchmark::State& state) {
    PANEL panel;
    ui::CImage& icon = *panel.form->Image(u"VirtualCImage");
    const int32_t left = icon.Left(), top = icon.Top() + 20;
    panel.sim.FilterDriver().ClearRequests();
    uint64_t requests = 0;
    int64_t n = 0;
    for (auto _ : state) {
        panel.Speakers().Drag(icon, left + static_cast<int32_t>(n & 1), top);
        if (++n % ClearEvery == 0) {
            requests += panel.sim.FilterDriver().Requests().size();
            panel.sim.FilterDriver().ClearRequests();
        }
    }
    Count(state, requests + panel.sim.FilterDriver().Requests().size());
}

} // namespace

BENCHMARK(RotationTick)->Name("VirtualSpeakers/RotationTick");
BENCHMARK(SpeakerDragMove)->Name("VirtualSpeakers/DragMove");

} // namespace tonvel::bench
