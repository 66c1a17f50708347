#include "installation/DeviceRestart.h"

#include "foundation/helpers/BinaryFile.h"
#include "foundation/helpers/ResourceBytes.h"
#include "installation/DeviceFilter.h"
#include "installation/InstallationNames.h"
#include "platform/api/Environment.h"
#include "platform/api/FileSystem.h"
#include "platform/api/Processes.h"
#include "platform/api/SystemInfo.h"

namespace tonvel {

namespace {

constexpr uint32_t FolderAttempts = 16;

std::u16string Quoted(const std::u16string& text) {
    return u"\"" + text + u"\"";
}

std::u16string HexText(uint32_t value) {
    std::u16string text(8, u'0');
    for (size_t i = 8; i-- > 0; value >>= 4)
        text[i] = u"0123456789ABCDEF"[value & 0xF];
    return text;
}

std::u16string WithBackslash(std::u16string folder) {
    if (!folder.empty() && folder.back() != u'\\') folder += u'\\';
    return folder;
}

// A folder of our own under %TEMP% (a name not taken yet), or nothing.
bool MakeTempFolder(const Platform& platform, std::u16string& folder) {
    std::u16string temp;
    if (!platform.environment->Variable(TempVariable, temp) || temp.empty()) return false;
    const uint32_t seed = platform.system->GetTickCount();
    for (uint32_t attempt = 0; attempt < FolderAttempts; ++attempt) {
        const std::u16string name = DeviceRestartFolderPrefix + HexText(seed + attempt);
        folder = WithBackslash(temp) + name + u"\\";
        if (folder.size() + std::char_traits<char16_t>::length(DeviceRestartFileName) >= FilePathUnits)
            return false;
        if (platform.files->CreateFolder(folder) == FileOk) return true;
    }
    return false;
}

int32_t RunHelperFile(const Platform& platform, const std::u16string& commandLine) {
    IProcesses& processes = *platform.processes;
    const PROCESS_HANDLE process = processes.StartProcess(commandLine, 0);
    if (process == nullptr) return HelperNotRun;
    int32_t result = HelperTimedOut;
    uint32_t code = 0;
    if (processes.WaitForProcess(process, DeviceRestartWaitMs) == WAIT_OBJECT_0_RESULT &&
        processes.GetExitCode(process, code))
        result = code == STILL_ACTIVE_CODE ? HelperTimedOut : static_cast<int32_t>(code);
    processes.CloseProcess(process);
    return result;
}

} // namespace

bool RestartDevice(IDeviceInstall& install, DeviceListHandle list, const DEVICE_INFO_DATA& device) {
    if (!install.ChangeDeviceState(list, device, DicsDisable, DicsFlagConfigSpecific, 0)) return false;
    // Once disabled, the device is always enabled again, whatever else fails.
    const bool enabled = install.ChangeDeviceState(list, device, DicsEnable, DicsFlagConfigSpecific, 0);
    uint32_t flags = 0;
    const bool read = install.GetDeviceInstallFlags(list, device, flags);
    return enabled && read && (flags & DiNeedReboot) == 0;
}

std::u16string DeviceRestartCommandLine(const std::u16string& program,
                                        const std::vector<std::u16string>& ids) {
    std::u16string line = Quoted(program);
    for (const std::u16string& id : ids)
        line += u" " + (id.find(u' ') != std::u16string::npos ? Quoted(id) : id);
    return line;
}

int32_t RunDeviceRestartHelper(const Platform& platform, const std::vector<std::u16string>& instanceIds) {
    uint32_t size = 0;
    const uint8_t* bytes =
        LoadResourceBytes(*platform.resources, DeviceRestartResourceId, DeviceRestartResourceType, size);
    std::u16string folder;
    if (bytes == nullptr || !MakeTempFolder(platform, folder)) return HelperNotRun;
    const std::u16string program = folder + DeviceRestartFileName;
    const std::u16string commandLine = DeviceRestartCommandLine(program, instanceIds);
    int32_t result = HelperNotRun;
    if (commandLine.size() < CommandLineUnits &&
        WriteBinaryFile(*platform.files, program, bytes, size) == WRITE_BINARY_FILE_OK)
        result = RunHelperFile(platform, commandLine);
    platform.files->Delete(program);
    platform.files->RemoveFolder(folder);
    return result;
}

int32_t RestartMatchingDevices(const MATCHING_DEVICES& devices, bool& restartNeeded) {
    IDeviceInstall& install = *devices.platform.deviceInstall;
    std::vector<std::u16string> instanceIds;
    const int32_t pass = ForEachMatchingDevice(install, HidSetupClass, SetupHardwareIdPattern,
                                               devices.usbGroup, DigcfAllClasses | DigcfPresent,
                                               [&](DeviceListHandle list, const DEVICE_INFO_DATA& device) {
                                                   if (!devices.wow64) {
                                                       if (!RestartDevice(install, list, device))
                                                           restartNeeded = true;
                                                       return;
                                                   }
                                                   std::u16string id;
                                                   if (install.GetDeviceInstanceId(list, device, id))
                                                       instanceIds.push_back(std::move(id));
                                                   else
                                                       restartNeeded = true;
                                               });
    if (!instanceIds.empty() && RunDeviceRestartHelper(devices.platform, instanceIds) != HelperRestarted)
        restartNeeded = true;
    return pass;
}

int32_t DetachFilterAndRestart(const MATCHING_DEVICES& devices, bool& restartNeeded) {
    const int32_t pass = RemoveUpperFilter(*devices.platform.deviceInstall, HidSetupClass,
                                           SetupHardwareIdPattern, devices.usbGroup, FilterDriverName);
    // The devices whose list was written load without the filter after their restart.
    if (pass != DeviceListUnavailable) RestartMatchingDevices(devices, restartNeeded);
    return pass;
}

} // namespace tonvel
