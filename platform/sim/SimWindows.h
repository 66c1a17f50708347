#pragma once
// The simulated Windows: owns every simulated platform part and hands them out as one Platform bundle.

#include "platform/api/Platform.h"
#include "platform/sim/SimAudioEndpoints.h"
#include "platform/sim/SimCaptureDevices.h"
#include "platform/sim/SimDeviceHid.h"
#include "platform/sim/SimDeviceNotifications.h"
#include "platform/sim/SimDeviceTree.h"
#include "platform/sim/SimEnvironment.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimFilterDriver.h"
#include "platform/sim/SimHeadset.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimMixer.h"
#include "platform/sim/SimProcesses.h"
#include "platform/sim/SimProfileStrings.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimResources.h"
#include "platform/sim/SimServices.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimSituation.h"
#include "platform/sim/SimSystemInfo.h"
#include "platform/sim/SimVersionInfo.h"
#include "platform/sim/SimWaveIn.h"
#include "platform/sim/SimWindowSystem.h"

#include <filesystem>
#include <vector>

namespace tonvel::sim {

class CSimWindows {
public:
    // The simulated drives live in a fresh temporary host folder, removed again at the end.
    CSimWindows();
    // The simulated drives live in `root` (kept at the end).
    explicit CSimWindows(const std::filesystem::path& root);
    CSimWindows(const CSimWindows&) = delete;
    CSimWindows& operator=(const CSimWindows&) = delete;
    ~CSimWindows();

    const Platform& platform() const { return m_Platform; }

    // The situation modelled (SimSituation.h): a 64-bit process on 64-bit Windows, a 32-bit process on
    // 64-bit Windows (WOW64, at first: the release as most users run it) or 32-bit Windows. Sets the
    // registry's views, the special folders and variables (reset to that machine's defaults), the WOW64
    // answers and the file system's WOW64 redirection.
    void SetSituation(SIM_SITUATION situation);
    SIM_SITUATION Situation() const { return m_Situation; }
    // The same with the two bits: 64-bit Windows or not, and the bitness of the process.
    void SetBitness(bool windows64, bool process64) { SetSituation(SituationOf(windows64, process64)); }
    // Lays out the Windows folder as an installed system has it: C:\Windows with System32 (with
    // drivers\etc) and, on 64-bit Windows, SysWOW64 (with drivers), whatever the redirection says. The
    // simulated drive is empty until then.
    void CreateSystemFolders();

    // Files, profile strings, registry, environment (with the debugger output).
    CSimFileSystem& Files() { return m_Files; }
    CSimProfileStrings& Profile() { return m_Profile; }
    CSimRegistry& Registry() { return m_Registry; }
    CSimEnvironment& Environment() { return m_Environment; }
    CSimDebugOutput& DebugOutput() { return m_Environment.Debug(); }

    // Version, WOW64 state and clock; programs the shell can start; own resources; shell links (saved into
    // Files()); file versions.
    CSimSystemInfo& SystemInfo() { return m_SystemInfo; }
    CSimProcesses& Processes() { return m_Processes; }
    CSimResources& Resources() { return m_Resources; }
    CSimShell& Shell() { return m_Shell; }
    CSimVersionInfo& VersionInfo() { return m_VersionInfo; }

    // Device side: the device tree (plug / unplug), the product's headset (not plugged in at first), the
    // filter driver (present at first) and the device-change notices.
    CSimDeviceTree& Devices() { return m_DeviceTree; }
    CSimHeadset& Headset() { return m_Headset; }
    CSimFilterDriver& FilterDriver() { return m_FilterDriver; }
    CSimDeviceNotifications& DeviceNotifications() { return m_DeviceNotifications; }
    CSimDeviceHid& Hid() { return m_Hid; }
    // A safe removal (or a disable, a driver update) as Windows asks it: every handle open on the device
    // hears the query first (DBT_DEVICEQUERYREMOVE); a handle still open afterwards makes the removal fail
    // (false: "device in use", or a restart for a disable). On true the caller may Unplug the device (or
    // CancelRemove it).
    bool QueryRemove(CSimHeadset& device);
    // The removal was cancelled (by another program, or the user): the handles the query told hear
    // DBT_DEVICEQUERYREMOVEFAILED.
    void CancelRemove(CSimHeadset& device);

    // Registered messages, broadcasts, named mutexes and other programs' windows.
    CSimWindowSystem& WindowSystem() { return m_WindowSystem; }
    // Waits, beeps and restarts of Windows.
    CSimMachine& Machine() { return m_Machine; }

    // Windows audio: capture devices, Core Audio capture endpoints, legacy mixers, the services (with the
    // audio service "audiosrv" running at first) and wave-in capture.
    CSimCaptureDevices& CaptureDevices() { return m_CaptureDevices; }
    CSimAudioEndpoints& AudioEndpoints() { return m_AudioEndpoints; }
    CSimMixer& Mixer() { return m_Mixer; }
    CSimServices& Services() { return m_Services; }
    CSimWaveIn& WaveIn() { return m_WaveIn; }

private:
    Platform m_Platform;
    std::vector<HidHandle> m_QueriedHandles; // the handles the last removal query told
    SIM_SITUATION m_Situation = SIM_SITUATION::Wow64;
    std::filesystem::path m_TempRoot; // removed at the end when not empty
    CSimFileSystem m_Files;
    CSimProfileStrings m_Profile{m_Files};
    CSimRegistry m_Registry;
    CSimEnvironment m_Environment{m_Files};
    CSimSystemInfo m_SystemInfo;
    CSimProcesses m_Processes{m_SystemInfo};
    CSimResources m_Resources;
    CSimShell m_Shell;
    CSimVersionInfo m_VersionInfo;
    CSimDeviceNotifications m_DeviceNotifications;
    CSimDeviceTree m_DeviceTree{&m_DeviceNotifications};
    CSimDeviceHid m_Hid{m_DeviceTree};
    CSimFilterDriver m_FilterDriver;
    CSimHeadset m_Headset;
    CSimWindowSystem m_WindowSystem;
    CSimMachine m_Machine;
    CSimCaptureDevices m_CaptureDevices;
    CSimAudioEndpoints m_AudioEndpoints;
    CSimMixer m_Mixer;
    CSimServices m_Services{m_SystemInfo};
    CSimWaveIn m_WaveIn;
};

} // namespace tonvel::sim
