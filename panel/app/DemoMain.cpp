// TonvelDemo.exe: the control panel with the real Win32 UI, files and registry, but the device side (HID,
// device list, filter driver, device notifications, and the headset's microphone as Windows audio shows it:
// capture device, endpoint, mixer, the audio service and a capture that speaks) from the simulated Windows
// with a virtual headset plugged in. It opens shown instead of going to the tray, and at exit writes the
// virtual device's register file and request log beside itself ("TonvelDemo.exe.device.txt": the registers
// that are not 0, the counts, then one line per HID report, "out" or "in" and its bytes, and one per filter
// request, "ioctl", its code and its input bytes, each in the order made). When TONVEL_DEMO_REPORT names a
// file, the demo keeps what its main window shows written there (see CDemoScreenReport). When
// TONVEL_DEMO_SECONDS gives a number of seconds, the demo ends itself after them through the exit message
// the setup broadcasts, so that it goes through the panel's whole shutdown.

#include "base/text/Utf.h"
#include "panel/app/DemoScreenReport.h"
#include "panel/app/PanelMain.h"
#include "platform/sim/SimDeviceLog.h"
#include "platform/sim/SimHeadsetMic.h"
#include "platform/sim/SimWindows.h"
#include "platform/win32/Win32Platform.h"
#include "ui/win32/Win32Backend.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

void WriteDeviceState(tonvel::sim::CSimWindows& sim, const std::u16string& path) {
    const std::string text = tonvel::sim::DeviceLogText(sim.Headset(), sim.FilterDriver());
    FILE* file = _wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"wb");
    if (!file) return;
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

tonvel::CDemoScreenReport* g_report = nullptr;

void CALLBACK ReportTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_report) g_report->Update();
}

tonvel::sim::CSimWaveIn* g_microphone = nullptr;

// The headset's microphone fills one 50 ms buffer per tick while the level meter records.
void CALLBACK MicrophoneTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_microphone) g_microphone->DeliverFromSource();
}

constexpr UINT MicrophoneBufferMs = 50;

void CALLBACK EndTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageW(HWND_BROADCAST,
                 RegisterWindowMessageW(reinterpret_cast<const wchar_t*>(tonvel::ExitMessageName)), 0, 0);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    tonvel::win32::CWin32Platform real;
    tonvel::sim::CSimWindows sim;
    sim.Devices().Plug(sim.Headset());
    tonvel::Platform platform = real.platform();
    platform.hid = sim.platform().hid;
    platform.deviceInstall = sim.platform().deviceInstall;
    platform.controlDevice = sim.platform().controlDevice;
    platform.deviceNotifications = sim.platform().deviceNotifications;
    tonvel::sim::AddHeadsetMicrophone(sim, sim.Headset().VendorId(), sim.Headset().ProductId());
    platform.captureDevices = sim.platform().captureDevices;
    platform.audioEndpoints = sim.platform().audioEndpoints;
    platform.mixer = sim.platform().mixer;
    platform.services = sim.platform().services;
    platform.waveIn = sim.platform().waveIn;
    g_microphone = &sim.WaveIn();
    const UINT_PTR microphone = SetTimer(nullptr, 0, MicrophoneBufferMs, &MicrophoneTimer);

    tonvel::ui::CWin32Backend backend;
    tonvel::ui::CApplication app(backend, platform.files);
    tonvel::PANEL_OPTIONS options;
    options.OpenRestored = true;
    std::u16string reportPath;
    platform.environment->Variable(u"TONVEL_DEMO_REPORT", reportPath);
    tonvel::CDemoScreenReport report(app, reportPath);
    UINT_PTR timer = 0;
    if (!reportPath.empty()) {
        g_report = &report;
        timer = SetTimer(nullptr, 0, 100, &ReportTimer); // a thread timer: runs in the panel's message loop
    }
    std::u16string seconds;
    if (platform.environment->Variable(u"TONVEL_DEMO_SECONDS", seconds)) {
        const long value = std::wcstol(reinterpret_cast<const wchar_t*>(seconds.c_str()), nullptr, 10);
        if (value > 0 && value <= 3600) SetTimer(nullptr, 0, static_cast<UINT>(value * 1000), &EndTimer);
    }
    const int rc = tonvel::RunControlPanel(app, platform, options);
    if (timer) KillTimer(nullptr, timer);
    KillTimer(nullptr, microphone);
    g_microphone = nullptr;
    g_report = nullptr;
    WriteDeviceState(sim, platform.files->ModuleFileName() + u".device.txt");
    return rc;
}
