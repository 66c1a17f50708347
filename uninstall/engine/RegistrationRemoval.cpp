#include "platform/api/Environment.h"
#include "platform/api/Registry.h"
#include "uninstall/engine/RemoveFile.h"
#include "uninstall/engine/UninstallSteps.h"

namespace tonvel {

namespace {

UNINSTALL_ITEM RemoveRunValue(IRegistry& registry, const std::u16string& name) {
    UNINSTALL_ITEM item = ItemOf(UNINSTALL_KIND::RegistryValue, RunKeyPath, name);
    RegKey key = 0;
    int32_t status = registry.OpenKey(RegLocalMachine, RunKeyPath, RegRead | RegWrite, key);
    if (status == RegOk) {
        status = registry.DeleteValue(key, name);
        registry.CloseKey(key);
    }
    TakeRegistryStatus(item, status);
    return item;
}

} // namespace

void RemoveRegistration(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    IRegistry& registry = *context.Plat.registry;
    if (!context.Folders.APPFileName.empty())
        list.push_back(RemoveRunValue(registry, context.Folders.APPFileName));
    for (const std::u16string& key : {DeviceIdGroupKeyPath(UsbGroupName), DeviceIdGroupKeyPath(HidGroupName)})
        list.push_back(RemoveRegistryKey(registry, key));
}

void RemoveShortcuts(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    const _APPLICATION_FOLDER_PATH& folders = context.Folders;
    std::u16string programs;
    if (context.Plat.environment->FolderPath(FolderCommonPrograms, programs) != FolderOk) return;
    const std::u16string folder = ShortcutFolderPath(programs, folders);
    for (const std::u16string* name :
         {&folders.AppShortcutName, &folders.UninstallShortcutName, &folders.UserManualShortcutName}) {
        if (name->empty()) continue;
        list.push_back(
            RemoveInstalledFile(context, ShortcutPath(programs, folders, *name), IN_USE_FILE::DeleteInPlace));
    }
    // Without a folder name the links lie in the programs folder itself, which is not ours.
    if (!folders.ShortcutFolderName.empty()) list.push_back(RemoveInstalledFolder(context, folder, list));
}

} // namespace tonvel
