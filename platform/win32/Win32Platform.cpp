#include "platform/win32/Win32Platform.h"

namespace tonvel::win32 {

CWin32Platform::CWin32Platform() {
    m_Platform.files = &m_Files;
    m_Platform.profile = &m_Profile;
    m_Platform.registry = &m_Registry;
    m_Platform.environment = &m_Environment;
    m_Platform.windowSystem = &m_WindowSystem;
    m_Platform.system = &m_SystemInfo;
    m_Platform.processes = &m_Processes;
    m_Platform.resources = &m_Resources;
    m_Platform.shell = &m_Shell;
    m_Platform.versionInfo = &m_VersionInfo;
    m_Platform.hid = &m_Hid;
    m_Platform.deviceInstall = &m_DeviceInstall;
    m_Platform.controlDevice = &m_ControlDevice;
    m_Platform.deviceNotifications = &m_DeviceNotifications;
    m_Platform.machine = &m_Machine;
    m_Platform.captureDevices = &m_CaptureDevices;
    m_Platform.audioEndpoints = &m_AudioEndpoints;
    m_Platform.mixer = &m_Mixer;
    m_Platform.services = &m_Services;
    m_Platform.waveIn = &m_WaveIn;
}
CWin32Platform::~CWin32Platform() = default;

} // namespace tonvel::win32
