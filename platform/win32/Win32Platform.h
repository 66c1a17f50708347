#pragma once
// The real Windows: owns the Win32 implementation of every platform part and hands them out as one bundle.

#include "platform/api/Platform.h"
#include "platform/win32/Win32Audio.h"
#include "platform/win32/Win32AudioEndpoints.h"
#include "platform/win32/Win32ControlDevice.h"
#include "platform/win32/Win32DeviceInstall.h"
#include "platform/win32/Win32DeviceNotifications.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Hid.h"
#include "platform/win32/Win32Machine.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32ProfileStrings.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Resources.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemInfo.h"
#include "platform/win32/Win32VersionInfo.h"
#include "platform/win32/Win32WindowSystem.h"

namespace tonvel::win32 {

class CWin32Platform {
public:
    CWin32Platform();
    CWin32Platform(const CWin32Platform&) = delete;
    CWin32Platform& operator=(const CWin32Platform&) = delete;
    ~CWin32Platform();

    const Platform& platform() const { return m_Platform; }

    CWin32FileSystem& Files() { return m_Files; }
    CWin32ProfileStrings& Profile() { return m_Profile; }
    CWin32Registry& Registry() { return m_Registry; }
    CWin32Environment& Environment() { return m_Environment; }
    CWin32WindowSystem& WindowSystem() { return m_WindowSystem; }
    CWin32DeviceNotifications& DeviceNotifications() { return m_DeviceNotifications; }

private:
    Platform m_Platform;
    CWin32FileSystem m_Files;
    CWin32ProfileStrings m_Profile;
    CWin32Registry m_Registry;
    CWin32Environment m_Environment;
    CWin32WindowSystem m_WindowSystem;
    CWin32SystemInfo m_SystemInfo;
    CWin32Processes m_Processes;
    CWin32Resources m_Resources;
    CWin32Shell m_Shell;
    CWin32VersionInfo m_VersionInfo;
    CWin32Hid m_Hid;
    CWin32DeviceInstall m_DeviceInstall;
    CWin32ControlDevice m_ControlDevice;
    CWin32DeviceNotifications m_DeviceNotifications;
    CWin32Machine m_Machine;
    CWin32CaptureDevices m_CaptureDevices;
    CWin32AudioEndpoints m_AudioEndpoints;
    CWin32Mixer m_Mixer;
    CWin32Services m_Services;
    CWin32WaveIn m_WaveIn;
};

} // namespace tonvel::win32
