#pragma once
// The bundle of platform interfaces handed to a program at its entry. Nothing in portable code reaches the
// operating system except through these; each program's entry fills the bundle with real Windows or with
// the simulation. The pointers are not owned and never null: a platform that lacks a part fills it with a
// stand-in that fails as the real call fails when the thing is missing, so callers need no checks.

namespace tonvel {

class IFileSystem;          // files and folders, Windows paths (FileSystem.h)
class IProfileStrings;      // GetPrivateProfileString / WritePrivateProfileString (ProfileStrings.h)
class IRegistry;            // hives, 32/64-bit views, keys and values (Registry.h)
class IEnvironment;         // environment variables, special folders (Environment.h)
class ISystemInfo;          // version query, WOW64 state and redirection (SystemInfo.h)
class IProcesses;           // ShellExecuteEx, waits, message pumping (Processes.h)
class IResources;           // resources of the own executable (Resources.h)
class IShell;               // shell links (Shell.h)
class IVersionInfo;         // file version information (VersionInfo.h)
class IHid;                 // hid.dll: attributes, capabilities, reports (Hid.h)
class IDeviceInstall;       // SetupAPI: interface and device lists, hardware IDs (DeviceInstall.h)
class IControlDevice;       // CreateFile / DeviceIoControl on a control device (ControlDevice.h)
class IDeviceNotifications; // device-interface arrival and removal notifications (DeviceNotifications.h)
class IWindowSystem;        // registered messages, broadcast, mutexes (WindowSystem.h)
class IMachine;             // Sleep, Beep, restart of Windows (Machine.h)
class ICaptureDevices;      // capture devices with interface path and name (CaptureDevices.h)
class IAudioEndpoints;      // Core Audio capture endpoints, volume, mute, AGC (AudioEndpoints.h)
class IMixer;               // the legacy winmm mixer (Mixer.h)
class IServices;            // the service control manager (Services.h)
class IWaveIn;              // wave-in capture with window notifications (WaveIn.h)

struct Platform {
    IFileSystem* files = nullptr;
    IProfileStrings* profile = nullptr;
    IRegistry* registry = nullptr;
    IEnvironment* environment = nullptr;
    ISystemInfo* system = nullptr;
    IProcesses* processes = nullptr;
    IResources* resources = nullptr;
    IShell* shell = nullptr;
    IVersionInfo* versionInfo = nullptr;
    IHid* hid = nullptr;
    IDeviceInstall* deviceInstall = nullptr;
    IControlDevice* controlDevice = nullptr;
    IDeviceNotifications* deviceNotifications = nullptr;
    IWindowSystem* windowSystem = nullptr;
    IMachine* machine = nullptr;
    ICaptureDevices* captureDevices = nullptr;
    IAudioEndpoints* audioEndpoints = nullptr;
    IMixer* mixer = nullptr;
    IServices* services = nullptr;
    IWaveIn* waveIn = nullptr;
};

} // namespace tonvel
