// A device-name lookup that finds nothing: no capture device of the headset means no endpoint and no
// mixer, whatever other microphones the machine has (the built-in one must not be shown or changed).

#include "device/LegacyMixer.h"
#include "device/MicControl.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

constexpr char16_t BuiltIn[] = u"Realtek High Definition Audio";

struct BUILT_IN_ONLY {
    sim::CSimWindows sim;
    CMicControl mic{sim.platform(), [](uint16_t& vid, uint16_t& pid) {
                        vid = 0x7F1C;
                        pid = 0x721B;
                    }};

    explicit BUILT_IN_ONLY(int32_t generation) {
        mic.SetOsGeneration(generation);
        sim.CaptureDevices().Add({true, u"\\\\?\\HDAUDIO#FUNC_01&VEN_10EC#1#{x}", BuiltIn});
        sim::SIM_ENDPOINT endpoint;
        endpoint.FriendlyName = u"Microphone (Realtek High Definition Audio)";
        endpoint.Step = 30;
        endpoint.Parts = {{true, false}};
        sim.AudioEndpoints().Add(endpoint);
        sim::SIM_MIXER mixer;
        mixer.WaveIn = sim::SimWaveInLine(BuiltIn);
        mixer.WaveIn.Controls = {{MixerControlVolume, 0, 65535, 0}};
        sim.Mixer().Add(mixer);
    }
};

TEST(MicNoName, NoHeadsetCaptureDeviceGivesNoEndpoint) {
    BUILT_IN_ONLY f(OsGenerationWithCoreAudio);
    int32_t percent = -1;
    bool boost = false, mute = false;
    EXPECT_FALSE(f.mic.LookUpEndpoint());
    EXPECT_EQ(f.mic.ReadMicGain(percent), MicNoEndpoint);
    EXPECT_EQ(f.mic.SetMicGain(90), MicNoEndpoint);
    EXPECT_EQ(f.mic.SetMute(true), MicNoEndpoint);
    EXPECT_EQ(f.mic.ReadBoostAndMute(boost, mute), MicNoEndpoint);
    const sim::SIM_ENDPOINT& builtIn = f.sim.AudioEndpoints().Endpoint(0);
    EXPECT_EQ(percent, -1);
    EXPECT_EQ(builtIn.Scalar, 0.0F);
    EXPECT_FALSE(builtIn.Mute);
}

TEST(MicNoName, NoHeadsetCaptureDeviceGivesNoMixer) {
    BUILT_IN_ONLY f(4);
    MIXER_VALUE value;
    EXPECT_FALSE(RunMixerOperation(f.sim.Mixer(), u"", MIXER_OPERATION::ReadVolume, value));
    EXPECT_EQ(f.mic.SetMicGain(90), MicNoEndpoint);
    EXPECT_EQ(f.sim.Mixer().Mixer(0).WaveIn.Controls[0].Value, 0U);
}

} // namespace
} // namespace tonvel
