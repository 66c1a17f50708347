#include "platform/sim/SimWindows.h"

#include <atomic>
#include <chrono>
#include <random>
#include <string>
#include <system_error>

namespace tonvel::sim {

namespace {

std::filesystem::path NewTempRoot() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::error_code error;
    for (;;) {
        const std::string name = "tonvel-sim-" + std::to_string(random()) + "-" + std::to_string(stamp) +
                                 "-" + std::to_string(counter++);
        const std::filesystem::path root = std::filesystem::temp_directory_path(error) / name;
        if (std::filesystem::create_directories(root, error)) return root;
    }
}

} // namespace

CSimWindows::CSimWindows() : CSimWindows(NewTempRoot()) {
    m_TempRoot = m_Files.Root();
}

CSimWindows::CSimWindows(const std::filesystem::path& root) : m_Files(root) {
    m_Platform.files = &m_Files;
    m_Platform.profile = &m_Profile;
    m_Platform.registry = &m_Registry;
    m_Platform.environment = &m_Environment;
    m_Platform.hid = &m_Hid;
    m_Platform.deviceInstall = &m_DeviceTree;
    m_Platform.controlDevice = &m_FilterDriver;
    m_Platform.deviceNotifications = &m_DeviceNotifications;
    m_Platform.system = &m_SystemInfo;
    m_Platform.processes = &m_Processes;
    m_Platform.resources = &m_Resources;
    m_Platform.shell = &m_Shell;
    m_Platform.versionInfo = &m_VersionInfo;
    m_Platform.windowSystem = &m_WindowSystem;
    m_Platform.machine = &m_Machine;
    m_Platform.captureDevices = &m_CaptureDevices;
    m_Platform.audioEndpoints = &m_AudioEndpoints;
    m_Platform.mixer = &m_Mixer;
    m_Platform.services = &m_Services;
    m_Platform.waveIn = &m_WaveIn;
    m_WaveIn.AttachDevices(&m_CaptureDevices);
    SIM_SERVICE audio;
    audio.Name = u"audiosrv";
    m_Services.Add(audio);
    m_Shell.SetFileSystem(&m_Files);
    m_Files.SetRedirection(&m_SystemInfo);
    SetSituation(m_Situation);
}

CSimWindows::~CSimWindows() {
    if (!m_TempRoot.empty()) {
        std::error_code error;
        std::filesystem::remove_all(m_TempRoot, error);
    }
}

void CSimWindows::SetSituation(SIM_SITUATION situation) {
    m_Situation = situation;
    const bool windows64 = IsWindows64(situation);
    const bool process64 = IsProcess64(situation);
    m_Registry.SetBitness(windows64, process64);
    m_Environment.SetBitness(windows64, process64);
    m_SystemInfo.SetWow64(situation == SIM_SITUATION::Wow64);
    m_SystemInfo.SetProcess64(situation == SIM_SITUATION::Process64);
}

void CSimWindows::CreateSystemFolders() {
    m_Files.SetRedirection(nullptr); // the native names, as the system's own installer lays them out
    m_Files.CreateFolders(u"C:\\Windows\\System32\\drivers\\etc");
    if (IsWindows64(m_Situation)) m_Files.CreateFolders(u"C:\\Windows\\SysWOW64\\drivers");
    m_Files.SetRedirection(&m_SystemInfo);
}

bool CSimWindows::QueryRemove(CSimHeadset& device) {
    m_QueriedHandles = m_Hid.HandlesOf(device);
    for (const HidHandle handle : m_QueriedHandles)
        m_DeviceNotifications.PostHandle(handle, DbtDeviceQueryRemove);
    return m_Hid.HandlesOf(device).empty();
}

void CSimWindows::CancelRemove(CSimHeadset&) {
    const std::vector<HidHandle> handles = std::move(m_QueriedHandles);
    m_QueriedHandles.clear();
    for (const HidHandle handle : handles)
        m_DeviceNotifications.PostHandle(handle, DbtDeviceQueryRemoveFailed);
}

} // namespace tonvel::sim
