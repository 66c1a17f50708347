// The rig of the model-based test and its oracle.

#include "device/AudioService.h"
#include "device/AudioServiceRestart.h"
#include "features/tests/PanelModel.h"
#include "features/tests/RegisterTraffic.h"
#include "platform/api/Services.h"
#include "platform/sim/SimHeadsetMic.h"

#include <cstdio>

namespace tonvel::test {
namespace {

constexpr uint16_t RegProcessing = 0x100, RegEqBandLow = 0x120, RegEqBand5High = 0x129, Reg3DControl = 0x18A,
                   Reg3DLeft = 0x18B, Reg3DRight = 0x18C;
constexpr uint8_t OtherProcessingBit = 0x01;
constexpr uint8_t ProcessingOn = 0x04, EqBypass = 0x80, Eq3DOn = 0x10, Sound3DOn = 0x40, FbmOn = 0x01;
constexpr uint8_t PinRead = 0x30, PinWriteMask = 0xFC, PinWrite = 0x3C;
constexpr int32_t DefaultGain = 0x400, Default3DPair = 0xA3;
const std::u16string ProfileFolder = u"C:\\Users\\Tester\\Tonvel";

// "80,120": the range top and the travel of a skin's slider.
void SliderMetrics(sim::CSimWindows& sim, const std::u16string& skin, const char16_t* section,
                   const char16_t* key, int32_t& top, int32_t& travel) {
    std::u16string value;
    sim.Profile().GetString(section, key, u"", value, 256,
                            SimProgramFolder + u"Skin\\" + skin + u"\\SkinSetting.ini");
    const std::string text(value.begin(), value.end());
    std::sscanf(text.c_str(), "%d,%d", &top, &travel);
}

// The thumb's Top for a gain: the gain's place on a scale three times as steep above the middle.
int32_t EqThumbTop(int32_t gain, int32_t top, int32_t travel) {
    const int32_t d = gain <= 1024 ? gain : (gain - 1023) / 3 + 1024;
    return top + travel - d * travel / 2048;
}

int32_t Gain(sim::CSimHeadset& h, int32_t band) {
    const auto low = static_cast<uint16_t>(RegEqBandLow + 2 * band);
    return h.Register(low) | (h.Register(static_cast<uint16_t>(low + 1)) & 0x0F) << 8;
}

bool Bit(sim::CSimHeadset& h, uint16_t address, uint8_t bit) {
    return (h.Register(address) & bit) != 0;
}

} // namespace

uint64_t& ModelSteps() {
    static uint64_t steps = 0;
    return steps;
}

PANEL_RIG::PANEL_RIG() : t(std::make_unique<Shell>()) {
    sim::CSimWindows& sim = t->sim;
    sim::AddHeadsetMicrophone(sim, sim.Headset().VendorId(), sim.Headset().ProductId());
    sim.Environment().SetVariable(u"USERPROFILE", u"C:\\Users\\Tester");
    sim.Files().CreateFolders(ProfileFolder);
    sim::SIM_SERVICE helper;
    helper.Name = u"Castorel"; // installed, so the LED's restart of the audio service is the helper's
    helper.RestartControl = HelperControlRestartAudio;
    helper.RestartTarget = AudioServiceName;
    sim.Services().Add(helper);
    // Another bit of the processing register is set from power-on: a write that clears bit 2 keeps it,
    // the shutdown's zero does not.
    sim.Headset().SetRegister(RegProcessing, OtherProcessingBit);
    Start();
}

void PANEL_RIG::Start() {
    RC_ASSERT(t->Start().Ok());
    t->ShowPanel();
    SliderMetrics(t->sim, Form().CurrentSkin(), u"EQ", u"EQSlider", EqTop, Travel);
    int32_t micTravel = 0;
    SliderMetrics(t->sim, Form().CurrentSkin(), u"Mic", u"MicSlider", MicTop, micTravel);
    TakeReports();
}

void PANEL_RIG::ClickAt(ui::CComponent& c, int32_t x, int32_t y) {
    const ui::UI_POINT at = t->At(c, x, y);
    t->backend.Press(at);
    t->backend.Release(at);
}

void PANEL_RIG::TakeReports() {
    for (const sim::SIM_REPORT& r : Headset().Reports()) {
        if (!r.Accepted) Refused = true;
        if (r.Kind != sim::SIM_REPORT::KIND::Output || r.Bytes.size() < 5 || !r.Accepted) continue;
        if (r.Bytes[4] == PinRead) LastPins = PIN_COMMAND::Read;
        if ((r.Bytes[4] & PinWriteMask) == PinWrite)
            LastPins =
                r.Bytes[2] == 0 && r.Bytes[4] == PinWrite ? PIN_COMMAND::WriteOff : PIN_COMMAND::Unknown;
    }
    Headset().ClearReports();
    t->backend.ClearMessageBoxes();
}

// The shutdown: with the presence handle held, the neutral state (the synchronised parts only while
// synchronising); with a headset that opens but whose presence handle is gone, nothing but the FBM bit
// and the processing register's zero; without a headset, nothing at all. Then the next start shows what
// the window showed at exit.
void PANEL_RIG::Exit(const MODEL& before) {
    const PANEL_SHOWN shown = ReadShown(Form(), Travel);
    TakeReports();
    sim::CSimHeadset& h = Headset();
    const uint8_t control = h.Register(Reg3DControl);
    Form().Destroy();
    const TRAFFIC traffic = RegisterTraffic(h);
    bool refused = false;
    for (const std::string& line : traffic)
        refused = refused || line.find("refused") != std::string::npos;
    if (!before.Plugged) {
        RC_ASSERT(traffic.empty());
    } else if (before.PresenceGone) {
        for (const std::string& line : traffic) {
            unsigned address = 0, value = 0;
            if (std::sscanf(line.c_str(), "W %x=%x", &address, &value) != 2) continue;
            const bool fbm =
                address == Reg3DControl && (value & ~FbmOn) == (control & ~FbmOn) && (value & FbmOn);
            const bool neutral = address == RegProcessing && value == 0;
            RC_ASSERT(fbm || neutral);
        }
    } else if (!refused) {
        RC_ASSERT(h.Register(RegProcessing) == 0);
        RC_ASSERT(!Bit(h, Reg3DControl, Sound3DOn));
        RC_ASSERT(Bit(h, Reg3DControl, FbmOn));
        RC_ASSERT(t->sim.FilterDriver().Effect() == 0U);
        RC_ASSERT(t->sim.FilterDriver().VirtualEnable() == 0U);
        if (before.Synchronising) {
            for (int32_t band = 0; band < ShownBandCount; ++band)
                RC_ASSERT(Gain(h, band) == DefaultGain);
            RC_ASSERT(Bit(h, RegEqBand5High, EqBypass));
            RC_ASSERT(!Bit(h, RegEqBand5High, Eq3DOn));
            RC_ASSERT(h.Register(Reg3DLeft) == Default3DPair);
            RC_ASSERT(h.Register(Reg3DRight) == Default3DPair);
        }
    }
    h.ClearReports();
    t->about.reset();
    t->form.reset();
    t->app.reset();
    Start();
    const PANEL_SHOWN again = ReadShown(Form(), Travel);
    RC_ASSERT(again.Settings() == shown.Settings());
    if (shown.Preset == 1) RC_ASSERT(again.Gains == shown.Gains);
}

void CheckShown(const MODEL& m, PANEL_RIG& rig) {
    TAudioMainForm& form = rig.Form();
    RC_ASSERT(form.PageShown() == m.Page);
    RC_ASSERT(form.DeviceConnected() == m.Connected());
    // The LED's restarts of the audio service went to the helper, which left it running.
    RC_ASSERT(!form.Features().Led().AudioRestart().Running());
    RC_ASSERT(rig.t->sim.Services().Find(AudioServiceName)->State == ServiceStateRunning);
    RC_ASSERT(rig.t->sim.WaveIn().IsOpen() == (m.Connected() && m.Page == PANEL_PAGE::Mic));
    const PANEL_SHOWN s = ReadShown(form, rig.Travel);
    // The window agrees with itself: each thumb where its value puts it.
    for (int32_t band = 0; band < ShownBandCount; ++band)
        RC_ASSERT(s.EqTops[band] == EqThumbTop(s.Gains[band], rig.EqTop, rig.Travel));
    if (!m.Connected()) return; // the Mic page cannot be shown then
    RC_ASSERT(s.MicTop == rig.MicTop + rig.Travel - s.MicPercent * rig.Travel / 100);
    // The Mic page shows what the endpoint holds.
    const sim::SIM_ENDPOINT& endpoint = rig.t->sim.AudioEndpoints().Endpoint(0);
    RC_ASSERT(s.MicPercent == static_cast<int32_t>(endpoint.Step * 100 / (endpoint.StepCount - 1)));
    RC_ASSERT(s.Mute == endpoint.Mute);
    bool agc = false;
    for (const sim::SIM_AGC_PART& part : endpoint.Parts)
        if (part.HasAgc) {
            agc = part.Enabled;
            break;
        }
    RC_ASSERT(s.Boost == agc);
    if (!m.Synchronising) return;
    sim::CSimHeadset& h = rig.Headset();
    if (!rig.Lags.Eq) {
        const bool processing = Bit(h, RegProcessing, ProcessingOn);
        RC_ASSERT(processing == (s.Eq || s.Sound3D));
        if (processing) {
            RC_ASSERT(Bit(h, RegEqBand5High, EqBypass) == !s.Eq);
            RC_ASSERT(Bit(h, RegEqBand5High, Eq3DOn) == s.Sound3D);
        }
        if (s.Eq)
            for (int32_t band = 0; band < ShownBandCount; ++band)
                RC_ASSERT(Gain(h, band) == s.Gains[band]);
    }
    if (!rig.Lags.Sound3D) {
        RC_ASSERT(Bit(h, Reg3DControl, Sound3DOn) == s.Sound3D);
        if (s.Sound3D) {
            RC_ASSERT(Bit(h, Reg3DControl, FbmOn) == s.Fbm);
            RC_ASSERT(h.Register(Reg3DLeft) == (s.Values3D[0] << 4 | s.Values3D[1]));
            RC_ASSERT(h.Register(Reg3DRight) == (s.Values3D[2] << 4 | s.Values3D[3]));
        }
    }
    if (!rig.Lags.Led && rig.LastPins != PIN_COMMAND::Unknown)
        RC_ASSERT((rig.LastPins == PIN_COMMAND::Read) == s.Led);
    RC_ASSERT(static_cast<int32_t>(rig.t->sim.FilterDriver().Effect()) == s.Effect - 1);
    if (!rig.Lags.Speakers) RC_ASSERT((rig.t->sim.FilterDriver().VirtualEnable() != 0) == s.Virtual);
}

} // namespace tonvel::test
