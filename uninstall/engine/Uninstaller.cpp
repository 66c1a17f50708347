#include "uninstall/engine/Uninstaller.h"

#include "foundation/config/ApplicationConfig.h"
#include "foundation/config/ProductNames.h"
#include "platform/api/SystemInfo.h"
#include "uninstall/engine/UninstallSteps.h"

namespace tonvel {

namespace {

constexpr REMOVAL_STEP_ENTRY Steps[] = {{REMOVAL_STEP::ClosePanel, ClosePanel, 10},
                                        {REMOVAL_STEP::HelperService, RemoveHelperService, 25},
                                        {REMOVAL_STEP::FilterDriver, RemoveFilterDriver, 40},
                                        {REMOVAL_STEP::Registration, RemoveRegistration, 55},
                                        {REMOVAL_STEP::Shortcuts, RemoveShortcuts, 65},
                                        {REMOVAL_STEP::InstalledFiles, RemoveInstalledFiles, 85},
                                        {REMOVAL_STEP::UserData, RemoveUserData, 95},
                                        {REMOVAL_STEP::UpdatePackage, RemoveUpdatePackage, 98},
                                        {REMOVAL_STEP::UninstallEntry, RemoveUninstallEntry, 100}};

} // namespace

std::span<const REMOVAL_STEP_ENTRY> RemovalSteps() {
    return Steps;
}

bool LoadInstalledConfiguration(const Platform& platform, const std::u16string& installedProgram,
                                _APPLICATION_FOLDER_PATH& folders, CDeviceIdMgr& usbGroup) {
    LoadApplicationConfig(platform, CONFIG_PROGRAM::Setup, ConfigFileName, installedProgram, folders);
    usbGroup.Load(*platform.files, folders.SourceFolderFullPath + ConfigFileName, UsbDeviceIdSection);
    // Without these names the install folder would be Program Files itself: nothing may be touched.
    return !folders.InstallFolderName.empty() && !folders.APPFileName.empty() &&
           !folders.UninstallFileName.empty();
}

bool MayUninstall(const Platform& platform) {
    return platform.system->RunsAsAdministrator();
}

int32_t RunUninstall(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    if (!MayUninstall(context.Plat)) return UninstallNotAdministrator;
    for (const REMOVAL_STEP_ENTRY& entry : Steps) {
        entry.Run(context, list);
        // A panel still running would keep its file and the filter channel open: nothing is removed then,
        // and the list names the program to close.
        if (entry.Step == REMOVAL_STEP::ClosePanel && UninstallResultOf(list) == UninstallIncomplete)
            return UninstallIncomplete;
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
