#include "uninstall/engine/Uninstaller.h"

#include "foundation/config/ApplicationConfig.h"
#include "platform/api/SystemInfo.h"
#include "uninstall/engine/ShippedFiles.h"
#include "uninstall/engine/UninstallSteps.h"

namespace tonvel {

namespace {

inline constexpr char16_t UsbGroupSection[] = u"USB_VID_PID";

using UNINSTALL_STEP = void (*)(const UNINSTALL_CONTEXT&, UNINSTALL_LIST&);

// The steps in their order with the progress posted after each.
struct STEP_ENTRY {
    UNINSTALL_STEP Step;
    int32_t Progress;
};
constexpr STEP_ENTRY kSteps[] = {
    {ClosePanel, 10},      {RemoveHelperService, 25},  {RemoveFilterDriver, 40}, {RemoveRegistration, 55},
    {RemoveShortcuts, 65}, {RemoveInstalledFiles, 85}, {RemoveUserData, 95},     {RemoveUpdatePackage, 100}};

} // namespace

bool LoadInstalledConfiguration(const Platform& platform, const std::u16string& installedProgram,
                                _APPLICATION_FOLDER_PATH& folders, CDeviceIdMgr& usbGroup) {
    LoadApplicationConfig(platform, CONFIG_PROGRAM::Setup, InstalledConfigFileName, installedProgram,
                          folders);
    usbGroup.Load(*platform.files, folders.SourceFolderFullPath + InstalledConfigFileName, UsbGroupSection);
    // Without these names the install folder would be Program Files itself: nothing may be touched.
    return !folders.InstallFolderName.empty() && !folders.APPFileName.empty() &&
           !folders.UninstallFileName.empty();
}

bool MayUninstall(const Platform& platform) {
    return platform.system->RunsAsAdministrator();
}

int32_t RunUninstall(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    if (!MayUninstall(context.platform)) return UninstallNotAdministrator;
    for (const STEP_ENTRY& entry : kSteps) {
        entry.Step(context, list);
        context.Progress(entry.Progress);
    }
    return UninstallResultOf(list);
}

int32_t UninstallResultOf(const UNINSTALL_LIST& list) {
    int32_t result = UninstallDone;
    for (const UNINSTALL_ITEM& item : list) {
        if (item.Status == ITEM_STATUS::Failed) return UninstallIncomplete;
        if (item.Status == ITEM_STATUS::RemovedAtRestart) result = UninstallRestartNeeded;
    }
    return result;
}

} // namespace tonvel
