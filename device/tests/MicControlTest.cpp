#include "device/MicControl.h"
#include "device/AudioService.h"
#include "device/LegacyMixer.h"
#include "device/MicDeviceName.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

constexpr char16_t MicName[] = u"USB Audio Device";

struct MicFixture {
    sim::CSimWindows sim;
    CMicControl mic{sim.platform(), [](uint16_t& vid, uint16_t& pid) {
                        vid = 0x7F1C;
                        pid = 0x721B;
                    }};

    explicit MicFixture(int32_t generation = OsGenerationWithCoreAudio) {
        mic.SetOsGeneration(generation);
        sim.CaptureDevices().Add({true, u"\\\\?\\USB#VID_045E&PID_0001&MI_00#1#{x}", u"Webcam"});
        sim.CaptureDevices().Add({true, u"\\\\?\\usb#vid_7f1c&pid_721b&mi_00#7&1#{x}\\global", MicName});
    }
    // The other endpoint first, then the device's.
    sim::SIM_ENDPOINT& AddEndpoints() {
        sim::SIM_ENDPOINT webcam;
        webcam.FriendlyName = u"Microphone (Webcam)";
        sim.AudioEndpoints().Add(webcam);
        sim::SIM_ENDPOINT headset;
        headset.FriendlyName = u"Microphone (USB Audio Device)";
        headset.Parts = {{false, false}, {true, false}};
        return sim.AudioEndpoints().Endpoint(sim.AudioEndpoints().Add(headset));
    }
    sim::SIM_MIXER& AddMixer(std::u16string target) {
        sim::SIM_MIXER mixer;
        mixer.WaveIn = sim::SimWaveInLine(std::move(target));
        return sim.Mixer().Mixer(sim.Mixer().Add(mixer));
    }
};

TEST(MicDeviceNameTest, PatternIsUpperCaseHexFourDigitsEach) {
    EXPECT_EQ(MicDevicePattern(0x1A2B, 0x00CD), u"\\\\?\\USB#VID_1A2B&PID_00CD");
    EXPECT_EQ(MicDevicePattern(0x7f1c, 0x721b), u"\\\\?\\USB#VID_7F1C&PID_721B");
}

TEST(MicDeviceNameTest, LastMatchingDeviceWithARecordWins) {
    sim::CSimCaptureDevices devices;
    const std::u16string pattern = MicDevicePattern(0x7F1C, 0x721B);
    EXPECT_EQ(FindMicDeviceName(devices, pattern), u"");
    devices.Add({false, u"", u""});
    devices.Add({true, u"\\\\?\\USB#VID_7F1C&PID_721B&MI_00#a", u"First"});
    devices.Add({true, u"\\\\?\\USB#VID_7F1C&PID_7210&MI_00#a", u"Other product"});
    EXPECT_EQ(FindMicDeviceName(devices, pattern), u"First");
    devices.Add({true, u"\\\\?\\usb#vid_7f1c&pid_721b&mi_00#b", std::u16string(300, u'n')});
    EXPECT_EQ(FindMicDeviceName(devices, pattern), std::u16string(MicDeviceNameMax, u'n'));
    EXPECT_EQ(FindMicDeviceName(devices, u""), u"");
}

TEST(MicControlTest, ReadGainTurnsStepsIntoPercent) {
    struct CASE {
        uint32_t Count, Step;
        int32_t Status, Percent;
    };
    const CASE cases[] = {{101, 50, 0, 50}, {16, 7, 0, 46}, {2, 1, 0, 100}, {1, 0, 2, -1}, {0, 0, 2, -1}};
    for (const CASE& c : cases) {
        MicFixture f;
        sim::SIM_ENDPOINT& e = f.AddEndpoints();
        e.StepCount = c.Count;
        e.Step = c.Step;
        int32_t percent = -1;
        EXPECT_EQ(f.mic.ReadMicGain(percent), c.Status) << c.Count << " steps";
        EXPECT_EQ(percent, c.Percent) << c.Count << " steps";
    }
}

TEST(MicControlTest, CoreAudioWorksOnTheDevicesEndpointNotTheFirst) {
    MicFixture f;
    sim::SIM_ENDPOINT& e = f.AddEndpoints();
    EXPECT_EQ(f.mic.SetMicGain(37), MicOk);
    EXPECT_FLOAT_EQ(e.Scalar, 0.37F);
    EXPECT_EQ(f.sim.AudioEndpoints().Endpoint(0).Scalar, 0.0F);
    EXPECT_EQ(f.sim.DebugOutput().Lines().back(), u" 37\n");
    EXPECT_EQ(f.mic.SetMute(true), MicOk);
    EXPECT_EQ(f.mic.SetBoost(true), MicOk);
    EXPECT_TRUE(e.Mute);
    EXPECT_TRUE(e.Parts[1].Enabled);
    bool boost = false;
    bool mute = false;
    EXPECT_EQ(f.mic.ReadBoostAndMute(boost, mute), MicOk);
    EXPECT_TRUE(boost && mute);
}

TEST(MicControlTest, NoMatchingEndpointMeansNoEndpointForEveryOperationAndNoChange) {
    MicFixture f;
    sim::SIM_ENDPOINT webcam;
    webcam.FriendlyName = u"Microphone (Webcam)";
    webcam.Parts = {{true, false}};
    f.sim.AudioEndpoints().Add(webcam);
    int32_t percent = -1;
    bool boost = false;
    bool mute = false;
    EXPECT_FALSE(f.mic.LookUpEndpoint());
    EXPECT_EQ(f.mic.SetMicGain(80), MicNoEndpoint);
    EXPECT_EQ(f.mic.ReadMicGain(percent), MicNoEndpoint);
    EXPECT_EQ(f.mic.ReadBoostAndMute(boost, mute), MicNoEndpoint);
    EXPECT_EQ(f.mic.SetMute(true), MicNoEndpoint);
    EXPECT_EQ(f.mic.SetBoost(true), MicNoEndpoint);
    const sim::SIM_ENDPOINT& after = f.sim.AudioEndpoints().Endpoint(0);
    EXPECT_EQ(after.Scalar, 0.0F);
    EXPECT_FALSE(after.Mute || after.Parts[0].Enabled);
    EXPECT_EQ(percent, -1);
    EXPECT_EQ(f.sim.AudioEndpoints().LiveReferences(), 0U);
    EXPECT_EQ(f.sim.AudioEndpoints().ComCount(), 0);
}

TEST(MicControlTest, EndpointIsDroppedAfterSuccessAndKeptAfterAFailure) {
    MicFixture f;
    sim::SIM_ENDPOINT& e = f.AddEndpoints();
    sim::CSimAudioEndpoints& endpoints = f.sim.AudioEndpoints();
    EXPECT_EQ(f.mic.SetMute(true), MicOk);
    EXPECT_FALSE(f.mic.HasEndpoint());
    EXPECT_EQ(endpoints.LiveReferences(), 0U);
    EXPECT_EQ(endpoints.ComCount(), 0);

    e.MuteWritable = false;
    EXPECT_EQ(f.mic.SetMute(false), 2);
    EXPECT_TRUE(f.mic.HasEndpoint());
    EXPECT_EQ(endpoints.LiveReferences(), 1U);
    const size_t lookups = endpoints.Enumerations();
    e.MuteWritable = true;
    EXPECT_EQ(f.mic.SetMute(false), MicOk); // on the cached endpoint: no new lookup
    EXPECT_EQ(endpoints.Enumerations(), lookups);
    EXPECT_FALSE(f.mic.HasEndpoint());
    EXPECT_EQ(endpoints.CallsWithoutLibrary(), 0U);
    EXPECT_EQ(endpoints.BadReleases(), 0U);
}

// A cached endpoint keeps the library initialised until it is dropped (device removal), however many
// operations began and ended in between.
TEST(MicControlTest, CachedEndpointNeverOutlivesTheLibrary) {
    MicFixture f;
    f.AddEndpoints();
    sim::CSimAudioEndpoints& endpoints = f.sim.AudioEndpoints();
    ASSERT_TRUE(f.mic.LookUpEndpoint());
    EXPECT_EQ(endpoints.ComCount(), 1);
    f.mic.DropEndpoint();
    EXPECT_EQ(endpoints.ComCount(), 0);
    EXPECT_EQ(endpoints.LiveReferences(), 0U);
    EXPECT_EQ(endpoints.CallsWithoutLibrary(), 0U);
}

TEST(MicControlTest, CoreAudioFailuresGiveTheirCodes) {
    struct CASE {
        const char* Name;
        void (*Break)(sim::SIM_ENDPOINT&);
        int32_t Gain, BoostMute, Mute, Boost;
    };
    const CASE cases[] = {
        {"no volume", [](sim::SIM_ENDPOINT& e) { e.VolumeAvailable = false; }, 2, 3, 2, 0},
        {"no AGC part",
         [](sim::SIM_ENDPOINT& e) {
             e.Parts = {{false, false}};
         },
         0, 2, 0, 2},
        {"topology walk fails", [](sim::SIM_ENDPOINT& e) { e.TopologyWalks = false; }, 0, 2, 0, 2},
        {"mute unreadable", [](sim::SIM_ENDPOINT& e) { e.MuteReadable = false; }, 0, 3, 0, 0},
    };
    for (const CASE& c : cases) {
        MicFixture f;
        c.Break(f.AddEndpoints());
        int32_t percent = 0;
        bool boost = false;
        bool mute = false;
        EXPECT_EQ(f.mic.ReadMicGain(percent), c.Gain) << c.Name;
        EXPECT_EQ(f.mic.ReadBoostAndMute(boost, mute), c.BoostMute) << c.Name;
        EXPECT_EQ(f.mic.SetMute(true), c.Mute) << c.Name;
        EXPECT_EQ(f.mic.SetBoost(true), c.Boost) << c.Name;
    }
}

TEST(MicControlTest, LegacyVolumeScalesTo65535AndBack) {
    MicFixture f(4);
    sim::SIM_MIXER& m = f.AddMixer(u"usb audio device");
    m.WaveIn.Controls = {{MixerControlVolume, 0, 65535, 0}};
    EXPECT_EQ(f.mic.SetMicGain(37), MicOk);
    EXPECT_EQ(m.WaveIn.Controls[0].Value, 24247U);
    int32_t percent = -1;
    EXPECT_EQ(f.mic.ReadMicGain(percent), MicOk);
    EXPECT_EQ(percent, 36);
    m.WaveIn.Controls[0].Maximum = 0;
    percent = -1;
    EXPECT_EQ(f.mic.ReadMicGain(percent), MicVolumeUnavailable);
    EXPECT_EQ(percent, -1);
    EXPECT_EQ(f.sim.Mixer().OpenHandles(), 0U);
}

TEST(MicControlTest, LegacyFindsTheControlOnAMicrophoneSourceAndClosesEveryMixer) {
    MicFixture f(4);
    f.AddMixer(u"Realtek HD Audio"); // another device's mixer comes first
    sim::SIM_MIXER& m = f.AddMixer(u"USB Audio Dev");
    m.WaveIn.Controls = {{MixerControlVolume, 0, 65535, 0}};
    sim::SIM_MIXER_LINE line;
    line.ComponentType = 0x1008; // a line-in source: not considered
    line.Controls = {{MixerControlMute}, {MixerControlMux}};
    sim::SIM_MIXER_LINE mic;
    mic.Controls = {{MixerControlMute, 0, 1, 0}, {MixerControlMux, 0, 1, 1}};
    m.Sources = {line, mic};
    bool boost = false;
    bool mute = true;
    EXPECT_EQ(f.mic.ReadBoostAndMute(boost, mute), MicOk);
    EXPECT_TRUE(boost);
    EXPECT_FALSE(mute);
    EXPECT_EQ(f.mic.SetMute(true), MicOk);
    EXPECT_EQ(m.Sources[1].Controls[0].Value, 1U);
    EXPECT_EQ(m.Sources[0].Controls[0].Value, 0U);

    m.Sources[1].ControlsReadable = false; // reading a line's controls fails: the operation fails
    EXPECT_EQ(f.mic.SetBoost(false), MicNoEndpoint);
    EXPECT_EQ(f.sim.Mixer().OpenHandles(), 0U);
    EXPECT_EQ(f.sim.Mixer().OpenCount(), 8U);
}

TEST(MicControlTest, LegacyWithoutAMatchingMixerFails) {
    MicFixture f(4);
    f.AddMixer(u"Realtek HD Audio").WaveIn.Controls = {{MixerControlVolume}};
    f.AddMixer(u"USB Audio Device").HasWaveIn = false;
    bool boost = false;
    bool mute = false;
    EXPECT_EQ(f.mic.SetMicGain(10), MicNoEndpoint);
    EXPECT_EQ(f.mic.ReadBoostAndMute(boost, mute), 1);
    EXPECT_EQ(f.sim.Mixer().Mixer(0).WaveIn.Controls[0].Value, 0U);
    EXPECT_EQ(f.sim.Mixer().OpenHandles(), 0U);
}

TEST(AudioServiceTest, RestartResults) {
    struct CASE {
        const char* Name;
        uint32_t State;
        bool RefusesStop;
        uint32_t StopMs;
        bool StartFails;
        int32_t Result;
        uint32_t FinalState;
    };
    const CASE cases[] = {
        {"running: stopped and started", ServiceStateRunning, false, 350, false, 0, ServiceStateRunning},
        {"stopped: started", ServiceStateStopped, false, 0, false, 0, ServiceStateRunning},
        {"stop refused", ServiceStateRunning, true, 0, false, 1, ServiceStateRunning},
        {"never stops", ServiceStateRunning, false, sim::SimNever, false, 2, ServiceStateStopPending},
        {"start fails", ServiceStateStopped, false, 0, true, 3, ServiceStateStopped},
    };
    for (const CASE& c : cases) {
        sim::CSimWindows sim;
        sim::SIM_SERVICE& s = *sim.Services().Find(AudioServiceName);
        s.State = c.State;
        s.RefusesStop = c.RefusesStop;
        s.StopMs = c.StopMs;
        s.StartFails = c.StartFails;
        EXPECT_EQ(RestartAudioService(sim.Services()), c.Result) << c.Name;
        EXPECT_EQ(s.State, c.FinalState) << c.Name;
        EXPECT_EQ(sim.Services().OpenHandles(), 0U) << c.Name;
        if (c.Result == 2) {
            EXPECT_EQ(sim.Services().Polls(), 1U + ServiceStopPolls) << c.Name;
            EXPECT_EQ(sim.Services().SleptMs(), 100000U) << c.Name;
        }
    }
}

TEST(AudioServiceTest, WithoutTheRightsNothingHappens) {
    sim::CSimWindows sim;
    sim.Services().SetAccessDenied(true);
    EXPECT_EQ(RestartAudioService(sim.Services()), AudioServiceStopRefused);
    EXPECT_TRUE(sim.Services().Find(AudioServiceName)->Calls.empty());
}

} // namespace
} // namespace tonvel
