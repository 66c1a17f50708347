// The control panel's start-up on the simulated Windows and the headless UI: the main window's
// construction and start-up sequence to its end (the shipped assets, the headset plugged in, a last
// profile there as after any earlier exit), against loading each picture of the skin once, the least a
// start-up that shows the skin must do. Counters: the picture files the start-up read ("pictures") over
// the skin's files ("files" of the reference), and the heap bytes the window holds after its start-up
// ("heap") over those of the reference's pictures.

#include "bench/BenchRatio.h"
#include "panel/form/tests/ShellFixture.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <memory>

namespace tonvel::bench {
namespace {

constexpr char16_t DefaultSkin[] = u"Graphite"; // the program's default skin

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

void SetCounters(benchmark::State& state, double pictures, double heap) {
    state.counters["pictures"] = pictures;
    state.counters["heap"] =
        benchmark::Counter(heap, benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
}

void MainWindowStartUp(benchmark::State& state) {
    Shell shell(true, true);
    {
        // One start and exit first: the user's configuration and the last profile are there from then on.
        shell.Start(false);
        shell.form->Destroy();
        shell.form.reset();
        shell.about.reset();
        shell.app.reset();
    }
    double pictures = 0, heap = 0;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        auto app = std::make_unique<ui::CApplication>(shell.backend, &shell.sim.Files());
        auto form = std::make_unique<TAudioMainForm>(*app, shell.sim.platform());
        if (!form->StartUp().Ok()) state.SkipWithError("start-up failed");
        state.PauseTiming();
        pictures = app->PicturesLoaded();
        heap = static_cast<double>(HeapInUse() - before);
        form->Destroy();
        form.reset();
        app.reset();
        state.ResumeTiming();
    }
    SetCounters(state, pictures, heap);
}

// Each picture file of the skin read and checked once, held in a list.
void SkinPicturesOnce(benchmark::State& state) {
    Shell shell(true, true);
    const std::u16string folder = SimProgramFolder + u"Skin\\" + DefaultSkin + u"\\";
    std::filesystem::path host;
    shell.sim.Files().HostPath(folder, host);
    std::vector<std::u16string> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(host))
        if (entry.is_regular_file() &&
            ui::PictureFormatFromPath(entry.path().filename().u16string()) != ui::PictureFormat::None) {
            std::u16string relative = std::filesystem::relative(entry.path(), host).u16string();
            for (char16_t& c : relative)
                if (c == u'/') c = u'\\';
            paths.push_back(folder + relative);
        }
    double heap = 0;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        ui::CApplication app(shell.backend, &shell.sim.Files());
        std::vector<ui::CPicture> pictures(paths.size());
        for (size_t i = 0; i < paths.size(); ++i)
            if (app.LoadPicture(paths[i], pictures[i], nullptr) != ui::UiOk)
                state.SkipWithError("no picture");
        state.PauseTiming();
        heap = static_cast<double>(HeapInUse() - before);
        state.ResumeTiming();
    }
    SetCounters(state, static_cast<double>(paths.size()), heap);
}

} // namespace

BENCHMARK(MainWindowStartUp)->Name("PanelStart/MainWindow")->Unit(benchmark::kMillisecond);
BENCHMARK(SkinPicturesOnce)->Name("PanelStart/SkinPicturesOnce")->Unit(benchmark::kMillisecond);

const bool StartRatio = AddRatio("Start-up", "PanelStart/MainWindow", "PanelStart/SkinPicturesOnce");
const bool PictureRatio =
    AddRatio("Pictures read at start-up", "PanelStart/MainWindow", "PanelStart/SkinPicturesOnce", "pictures");
const bool HeapRatio =
    AddRatio("Heap held after start-up", "PanelStart/MainWindow", "PanelStart/SkinPicturesOnce", "heap");

} // namespace tonvel::bench
