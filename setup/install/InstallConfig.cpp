// Step 5: skins, languages, the configuration file (beside the control panel and in the user's folder), the
// icon and the update package file. Each action is independent of the others; the step never fails.

#include "setup/install/InstallConfig.h"

#include "foundation/config/ProductNames.h"
#include "installation/InstallationNames.h"
#include "installation/InstallationPaths.h"
#include "platform/api/Environment.h"
#include "platform/api/FileSystem.h"
#include "setup/install/CopyFolderTree.h"
#include "setup/install/InstallSteps.h"
#include "setup/install/WindowsUpdate.h"

namespace tonvel {

namespace {

// A file path built in a MAX_PATH buffer: 259 units and the terminator.
constexpr size_t FilePathLimit = 259;

void CopyFile(const Platform& platform, const std::u16string& from, const std::u16string& to) {
    platform.files->Copy(from, to, false);
}

// The user's folder of the product, made one level below "APPDATA"; the variable's value, or empty when it
// is not set or the configuration's path in that folder would not fit.
std::u16string MakeUserFolder(const INSTALL_CONTEXT& context) {
    std::u16string appData;
    if (!context.Plat.environment->Variable(UserFolderVariable, appData)) return {};
    if (appData.empty() || appData.size() >= UserFolderUnits) return {};
    const std::u16string folder = UserFolderPath(appData, context.Folders);
    if (UserConfigPath(appData, context.Folders).size() > FilePathLimit) return {};
    context.Plat.files->CreateFolder(folder);
    return appData;
}

} // namespace

int32_t Install_Config(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.Plat;
    const _APPLICATION_FOLDER_PATH& folders = context.Folders;
    const std::u16string& source = folders.SourceFolderFullPath;
    const std::u16string& target = folders.InstallFolderFullPath;
    CopyFolderTree(platform, source + folders.SkinFolderName + u'\\', target);
    CopyFolderTree(platform, source + folders.LanguageFolderName + u'\\', target);
    CopyFile(platform, source + ConfigFileName, InstalledConfigPath(folders));
    const std::u16string appData = MakeUserFolder(context);
    if (!appData.empty()) CopyFile(platform, source + ConfigFileName, UserConfigPath(appData, folders));
    CopyFile(platform, source + folders.InstallIconFileName, InstalledIconPath(folders));
    Copy_KB3033929(context); // its result does not change the step's
    context.Progress(90);
    return InstallOk;
}

} // namespace tonvel
