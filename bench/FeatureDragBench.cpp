// One drag move of an equalizer band thumb and of a 3D thumb through the feature code: the thumb placed, the
// value computed and the transaction (or two) with the device. The main window runs on the simulated
// Windows with the headless UI; the headset's own side is a register byte array that answers each report
// and counts it, so that the time is ours. The reports per move are printed beside the number the
// operations' own sequence sends (a 60 Hz move: the bypass bit read and written, the band's two registers,
// two idle reports = 10; a 3D move: both sides' FBM bit read and written, both pairs, an idle report each
// = 18).

#include "panel/form/AudioMainForm.h"
#include "platform/sim/SimWindows.h"
#include "ui/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <memory>

namespace tonvel::bench {
namespace {

const std::u16string BaseFolder = u"C:\\Program Files\\Tonvel\\";

// The simulated headset's HID interface for opening and capabilities; the reports themselves are answered
// here with the least work: the register protocol's set address, write data and read.
class CCountingHid : public IHid {
public:
    explicit CCountingHid(IHid& device) : m_Device(device) {}

    std::u16string GetHidGuid() override { return m_Device.GetHidGuid(); }
    HidHandle OpenInterface(std::u16string_view path) override { return m_Device.OpenInterface(path); }
    void Close(HidHandle handle) override { m_Device.Close(handle); }
    bool GetAttributes(HidHandle handle, HID_ATTRIBUTES& attributes) override {
        return m_Device.GetAttributes(handle, attributes);
    }
    bool GetPreparsedData(HidHandle handle, HidPreparsed& preparsed) override {
        return m_Device.GetPreparsedData(handle, preparsed);
    }
    int32_t GetCaps(HidPreparsed preparsed, HID_CAPS& caps) override {
        return m_Device.GetCaps(preparsed, caps);
    }
    void FreePreparsedData(HidPreparsed preparsed) override { m_Device.FreePreparsedData(preparsed); }
    bool SetOutputReport(HidHandle, const uint8_t* report, size_t) override {
        ++m_Reports;
        if (report[4] == 0x10) m_Address = static_cast<uint16_t>(report[2] | report[3] << 8);
        if (report[4] == 0x20) m_Registers[m_Address] = report[2];
        return true;
    }
    bool GetInputReport(HidHandle, uint8_t* report, size_t) override {
        ++m_Reports;
        report[2] = m_Registers[m_Address];
        return true;
    }
    uint64_t Reports() const { return m_Reports; }

private:
    IHid& m_Device;
    std::array<uint8_t, 0x10000> m_Registers{};
    uint16_t m_Address = 0;
    uint64_t m_Reports = 0;
};

struct PANEL {
    sim::CSimWindows sim;
    ui::CHeadlessBackend backend;
    std::unique_ptr<CCountingHid> hid;
    Platform platform;
    std::unique_ptr<ui::CApplication> app;
    std::unique_ptr<TAudioMainForm> form;

    PANEL() {
        sim.Files().CreateFolders(BaseFolder);
        std::filesystem::path host;
        sim.Files().HostPath(BaseFolder, host);
        std::filesystem::copy(TONVEL_ASSETS_DIR, host, std::filesystem::copy_options::recursive);
        sim.Files().SetModuleFileName(BaseFolder + u"Tonvel.exe");
        sim.Devices().Plug(sim.Headset());
        hid = std::make_unique<CCountingHid>(sim.Hid());
        platform = sim.platform();
        platform.hid = hid.get();
        app = std::make_unique<ui::CApplication>(backend, &sim.Files());
        form = std::make_unique<TAudioMainForm>(*app, platform);
        form->StartUp();
    }
};

void Moves(benchmark::State& state, CFeature& feature, ui::CImage& thumb, const CCountingHid& hid,
           int32_t topA, int32_t topB, double reportsBySequence) {
    const uint64_t before = hid.Reports();
    int64_t moves = 0;
    for (auto _ : state) {
        feature.Drag(thumb, thumb.Left(), (moves & 1) ? topA : topB);
        ++moves;
    }
    state.counters["reports/move"] = static_cast<double>(hid.Reports() - before) / static_cast<double>(moves);
    state.counters["sequence"] = reportsBySequence;
}

void EqThumbMove(benchmark::State& state) {
    PANEL panel;
    CEqualizer& eq = panel.form->Features().Equalizer();
    Moves(state, eq, *panel.form->Image(u"EQ60HzSliderImage"), *panel.hid, eq.ThumbMin() + 10,
          eq.ThumbMin() + 50, 10);
}

void Sound3DThumbMove(benchmark::State& state) {
    PANEL panel;
    Moves(state, panel.form->Features().Sound3D(), *panel.form->Image(u"D3LBetaSliderImage"), *panel.hid, 125,
          165, 18);
}

BENCHMARK(EqThumbMove);
BENCHMARK(Sound3DThumbMove);

} // namespace
} // namespace tonvel::bench
