#include "platform/sim/SimHeadsetMic.h"

#include "platform/sim/SimWindows.h"

#include <cstdio>

namespace tonvel::sim {
namespace {

constexpr uint64_t SamplesPerSecond = 8000;
constexpr uint64_t PhraseSamples = 3 * SamplesPerSecond; // a rise and fall every three seconds
constexpr uint64_t TonePeriod = 16;                      // 500 Hz
constexpr int Loudest = 20;                              // the level bar fills only at the loudest

std::u16string InterfacePath(uint16_t vendorId, uint16_t productId) {
    char text[96];
    std::snprintf(
        text, sizeof text,
        "\\\\?\\USB#VID_%04X&PID_%04X&MI_00#7&2a1b3c4d&0&0000#{65e8773d-8f56-11d0-a3b9-00a0c9223196}\\global",
        vendorId, productId);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

SIM_MIXER_CONTROL Control(uint32_t type, uint32_t maximum) {
    SIM_MIXER_CONTROL control;
    control.ControlType = type;
    control.Maximum = maximum;
    return control;
}

} // namespace

void AddHeadsetMicrophone(CSimWindows& sim, uint16_t vendorId, uint16_t productId) {
    CAPTURE_DEVICE device;
    device.HasRecord = true;
    device.InterfacePath = InterfacePath(vendorId, productId);
    device.Name = SimHeadsetMicName;
    const uint32_t waveIn = sim.CaptureDevices().Add(device);

    SIM_ENDPOINT endpoint;
    endpoint.FriendlyName = SimHeadsetEndpointName;
    endpoint.Step = 75;
    endpoint.Parts = {SIM_AGC_PART{}, SIM_AGC_PART{true, false}};
    sim.AudioEndpoints().Add(endpoint);

    SIM_MIXER mixer;
    mixer.WaveIn = SimWaveInLine(SimHeadsetMicName);
    mixer.WaveIn.Controls = {Control(MixerControlVolume, 65535)};
    SIM_MIXER_LINE microphone;
    microphone.Controls = {Control(MixerControlMute, 1), Control(MixerControlMux, 1)};
    mixer.Sources = {microphone};
    sim.Mixer().Add(mixer);

    sim.WaveIn().SetSource(waveIn, &SpeakingSample);
}

// A square tone under a triangle envelope: silent at the start of each phrase, loudest in its middle.
uint8_t SpeakingSample(uint64_t sample) {
    const uint64_t phase = sample % PhraseSamples;
    const uint64_t half = PhraseSamples / 2;
    const uint64_t rise = phase < half ? phase : PhraseSamples - phase;
    const int amplitude = static_cast<int>(rise * Loudest / half);
    const bool high = (sample / (TonePeriod / 2)) % 2 == 0;
    return static_cast<uint8_t>(128 + (high ? amplitude : -amplitude));
}

} // namespace tonvel::sim
