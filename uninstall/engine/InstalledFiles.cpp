#include "installation/InstallationPaths.h"
#include "installation/ShippedFiles.h"
#include "platform/api/FileSystem.h"
#include "uninstall/engine/RemoveFile.h"
#include "uninstall/engine/UninstallSteps.h"

#include <algorithm>
#include <vector>

namespace tonvel {

namespace {

bool AnyFailed(const UNINSTALL_LIST& list) {
    return std::any_of(list.begin(), list.end(),
                       [](const UNINSTALL_ITEM& item) { return item.Status == ITEM_STATUS::Failed; });
}

size_t Depth(const std::u16string& path) {
    return static_cast<size_t>(std::count(path.begin(), path.end(), u'\\'));
}

// Every shipped file below the install folder, with the folders that hold them (below the install folder).
void ShippedPaths(const _APPLICATION_FOLDER_PATH& folders, std::vector<std::u16string>& files,
                  std::vector<std::u16string>& subFolders) {
    for (const SHIPPED_FILE& shipped : ShippedFiles()) {
        const std::u16string path = ShippedFilePath(folders, shipped);
        if (path.empty()) continue;
        files.push_back(path);
        AddHoldingFolders(folders.InstallFolderFullPath, path, subFolders);
    }
}

} // namespace

void RemoveInstalledFiles(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    const _APPLICATION_FOLDER_PATH& folders = context.Folders;
    std::vector<std::u16string> files;
    if (!folders.APPFileName.empty()) files.push_back(PanelProgramPath(folders));
    if (!folders.InstallIconFileName.empty()) files.push_back(InstalledIconPath(folders));
    std::vector<std::u16string> subFolders;
    ShippedPaths(folders, files, subFolders);
    for (const auto& file : files)
        list.push_back(RemoveInstalledFile(context, file, IN_USE_FILE::MoveAway));
    std::stable_sort(subFolders.begin(), subFolders.end(),
                     [](const auto& a, const auto& b) { return Depth(a) > Depth(b); });
    for (const auto& folder : subFolders)
        list.push_back(RemoveInstalledFolder(context, folder, list));
}

void RemoveUninstallEntry(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    if (AnyFailed(list)) return;
    const _APPLICATION_FOLDER_PATH& folders = context.Folders;
    if (!folders.UninstallFileName.empty())
        list.push_back(RemoveInstalledFile(context, UninstallProgramPath(folders), IN_USE_FILE::MoveAway));
    list.push_back(RemoveInstalledFile(context, InstalledConfigPath(folders), IN_USE_FILE::MoveAway));
    list.push_back(RemoveInstalledFolder(context, folders.InstallFolderFullPath, list));
    if (AnyFailed(list)) return;
    list.push_back(RemoveRegistryKey(*context.Plat.registry, UninstallKeyPath));
}

void RemoveUpdatePackage(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    list.push_back(
        RemoveInstalledFile(context, UpdatePackagePath(context.Folders), IN_USE_FILE::DeleteInPlace));
}

} // namespace tonvel
