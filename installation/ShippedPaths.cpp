#include "installation/ShippedFiles.h"

#include <algorithm>

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

} // namespace

std::u16string ShippedFilePath(const _APPLICATION_FOLDER_PATH& folders, const SHIPPED_FILE& shipped) {
    const std::u16string root = RootName(folders, shipped.Root);
    if (root.empty()) return {};
    return folders.InstallFolderFullPath + root + u"\\" + shipped.Path;
}

void AddHoldingFolders(const std::u16string& base, const std::u16string& path,
                       std::vector<std::u16string>& folders) {
    for (size_t slash = path.find(u'\\', base.size()); slash != std::u16string::npos;
         slash = path.find(u'\\', slash + 1)) {
        const std::u16string folder = path.substr(0, slash);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
    }
}

} // namespace tonvel
