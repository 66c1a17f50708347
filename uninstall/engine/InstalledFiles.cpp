#include "platform/api/FileSystem.h"
#include "uninstall/engine/RemoveFile.h"
#include "uninstall/engine/ShippedFiles.h"
#include "uninstall/engine/UninstallSteps.h"

#include <algorithm>
#include <vector>

namespace tonvel {

namespace {

std::u16string RootName(const _APPLICATION_FOLDER_PATH& folders, SHIPPED_ROOT root) {
    switch (root) {
    case SHIPPED_ROOT::Skin:
        return folders.SkinFolderName;
    case SHIPPED_ROOT::Language:
        return folders.LanguageFolderName;
    case SHIPPED_ROOT::Manual:
        return ManualFolderName;
    }
    return {};
}

size_t Depth(const std::u16string& path) {
    return static_cast<size_t>(std::count(path.begin(), path.end(), u'\\'));
}

void AddFolder(std::vector<std::u16string>& folders, const std::u16string& folder) {
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
}

// Every shipped file below the install folder, with the folders that hold them (below the install folder).
void ShippedPaths(const _APPLICATION_FOLDER_PATH& folders, std::vector<std::u16string>& files,
                  std::vector<std::u16string>& subFolders) {
    const std::u16string& install = folders.InstallFolderFullPath;
    for (const SHIPPED_FILE& shipped : ShippedFiles()) {
        const std::u16string root = RootName(folders, shipped.Root);
        if (root.empty()) continue;
        const std::u16string path = install + root + u"\\" + shipped.Path;
        files.push_back(path);
        for (size_t slash = path.find(u'\\', install.size()); slash != std::u16string::npos;
             slash = path.find(u'\\', slash + 1))
            AddFolder(subFolders, path.substr(0, slash));
    }
}

} // namespace

void RemoveInstalledFiles(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    const _APPLICATION_FOLDER_PATH& folders = context.folders;
    const std::u16string& install = folders.InstallFolderFullPath;
    std::vector<std::u16string> files;
    for (const std::u16string* name : {&folders.APPFileName, &folders.UninstallFileName})
        if (!name->empty()) files.push_back(install + *name + ExeSuffix);
    files.push_back(install + InstalledConfigFileName);
    if (!folders.InstallIconFileName.empty()) files.push_back(install + folders.InstallIconFileName);
    std::vector<std::u16string> subFolders;
    ShippedPaths(folders, files, subFolders);
    for (const auto& file : files)
        list.push_back(RemoveInstalledFile(context, file, IN_USE_FILE::MoveAway));
    std::stable_sort(subFolders.begin(), subFolders.end(),
                     [](const auto& a, const auto& b) { return Depth(a) > Depth(b); });
    subFolders.push_back(install);
    for (const auto& folder : subFolders)
        list.push_back(RemoveInstalledFolder(context, folder, list));
}

void RemoveUpdatePackage(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    list.push_back(RemoveInstalledFile(context, context.folders.SystemFolder + UpdatePackageFileName,
                                       IN_USE_FILE::DeleteInPlace));
}

} // namespace tonvel
