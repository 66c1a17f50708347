// The Windows audio side of the control panel on the real calls under wine: capture devices, Core Audio,
// the legacy mixer, the service control manager and wave-in capture. Wine has whatever audio its driver
// gives (often no capture device at all here): every operation must give one of its result codes and leave
// nothing open.

#include "device/AudioService.h"
#include "device/LegacyMixer.h"
#include "device/MicControl.h"
#include "device/MicDeviceName.h"
#include "features/LevelMeter.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonvel {
namespace {

bool Between(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}

TEST(WindowsAudio, CaptureDevicesEnumerateWithPathsAndNames) {
    win32::CWin32Platform real;
    int devices = 0;
    EXPECT_TRUE(real.platform().captureDevices->Enumerate([&](const CAPTURE_DEVICE& device) {
        ++devices;
        EXPECT_TRUE(device.HasRecord);
        return true;
    }));
    // No device of ours: the name stays empty.
    EXPECT_EQ(FindMicDeviceName(*real.platform().captureDevices, MicDevicePattern(0x7F1C, 0x721B)), u"");
    std::printf("capture devices under wine: %d\n", devices);
}

TEST(WindowsAudio, MicrophoneOperationsGiveTheirCodesOnBothPaths) {
    win32::CWin32Platform real;
    for (const int32_t generation : {6, 4}) {
        CMicControl mic(real.platform(), [](uint16_t& vid, uint16_t& pid) {
            vid = 0x7F1C;
            pid = 0x721B;
        });
        mic.SetOsGeneration(generation);
        int32_t percent = -1;
        bool boost = false;
        bool mute = false;
        const int32_t read = mic.ReadMicGain(percent);
        EXPECT_TRUE(Between(read, 0, 2)) << generation;
        if (read == 0) {
            EXPECT_TRUE(Between(percent, 0, 100)) << generation;
        }
        EXPECT_TRUE(Between(mic.ReadBoostAndMute(boost, mute), 0, 3)) << generation;
        std::printf("generation %d: read gain %d (%d %%), endpoint lookup %d\n", static_cast<int>(generation),
                    static_cast<int>(read), static_cast<int>(percent), mic.LookUpEndpoint() ? 1 : 0);
        mic.DropEndpoint();
        EXPECT_FALSE(mic.HasEndpoint());
    }
}

TEST(WindowsAudio, LegacyMixerWithoutTheDeviceFails) {
    win32::CWin32Platform real;
    IMixer& mixer = *real.platform().mixer;
    std::printf("mixers under wine: %u\n", mixer.GetNumDevs());
    MIXER_VALUE value;
    EXPECT_FALSE(RunMixerOperation(mixer, u"No such device of ours", MIXER_OPERATION::ReadVolume, value));
    MixerHandle handle = NoMixer;
    EXPECT_NE(mixer.Open(mixer.GetNumDevs(), handle), MmNoError);
}

// A service the test registers, whose program does not exist: it is stopped, and starting it fails.
TEST(WindowsAudio, ServiceRestartResults) {
    win32::CWin32Platform real;
    IServices& services = *real.platform().services;
    const int32_t audio = RestartAudioService(services);
    EXPECT_TRUE(Between(audio, 0, 3));
    std::printf("audiosrv restart under wine: %d\n", static_cast<int>(audio));

    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    ASSERT_NE(manager, nullptr);
    SC_HANDLE created =
        CreateServiceW(manager, L"TonvelTestService", L"TonvelTestService", SERVICE_ALL_ACCESS,
                       SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE,
                       L"C:\\windows\\no-such-service.exe", nullptr, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(created, nullptr);
    const ServiceHandle ours = services.OpenManager(ScManagerAllAccess);
    const ServiceHandle service = services.OpenNamedService(ours, u"TonvelTestService", ServiceAllAccess);
    uint32_t state = 0;
    EXPECT_TRUE(services.QueryState(service, state));
    EXPECT_EQ(state, ServiceStateStopped);
    EXPECT_FALSE(services.Control(service, ServiceControlStop)) << "a stopped service refuses the stop";
    EXPECT_FALSE(services.Start(service));
    EXPECT_EQ(services.OpenNamedService(ours, u"NoSuchTonvelService", ServiceAllAccess), NoService);
    services.Close(service);
    services.Close(ours);
    DeleteService(created);
    CloseServiceHandle(created);
    CloseServiceHandle(manager);
}

// The level meter's capture on a capture device by its wave-in number, with notifications to a window: the
// enumeration numbers the devices in order; the first opens (and then stops and closes cleanly) or reports
// that it cannot, and a number past the last device never opens.
TEST(WindowsAudio, LevelMeterOpensOrReportsItCannot) {
    win32::CWin32Platform real;
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    WAVE_NOTIFY_WINDOW notify;
    notify.Window = reinterpret_cast<uintptr_t>(window);
    std::vector<uint32_t> numbers;
    real.platform().captureDevices->Enumerate([&](const CAPTURE_DEVICE& device) {
        numbers.push_back(device.WaveInId);
        return true;
    });
    for (size_t i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(numbers[i], i);
    CLevelMeter beyond(*real.platform().waveIn);
    constexpr uint32_t PastTheLast = 100;
    EXPECT_EQ(beyond.Start(static_cast<uint32_t>(numbers.size()) + PastTheLast, notify), 1);
    EXPECT_FALSE(beyond.Running());
    CLevelMeter meter(*real.platform().waveIn);
    const int32_t status = meter.Start(numbers.empty() ? WaveMapper : numbers.front(), notify);
    EXPECT_TRUE(status == 0 || status == 1);
    EXPECT_EQ(meter.Running(), status == 0);
    std::printf("wave-in capture under wine: %s\n", status == 0 ? "opened" : "not available");
    meter.Stop();
    EXPECT_FALSE(meter.Running());
    // Whatever the stop handed back is only queued: drained here, it names buffers no longer ours.
    MSG msg;
    uint32_t level = 0;
    while (PeekMessageW(&msg, window, MmWimData, MmWimData, PM_REMOVE))
        EXPECT_FALSE(meter.OnData(static_cast<int64_t>(msg.lParam), level, 203));
    DestroyWindow(window);
}

} // namespace
} // namespace tonvel
