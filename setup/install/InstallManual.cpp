// Step 6: the user manual of the language chosen in the wizard, copied into the install folder, and its
// shortcut. No manual for that language means no manual and no shortcut; the step never fails.

#include "foundation/config/IniString.h"
#include "foundation/config/ProductNames.h"
#include "foundation/helpers/Shortcut.h"
#include "installation/InstallationNames.h"
#include "installation/InstallationPaths.h"
#include "platform/api/FileSystem.h"
#include "setup/install/CopyFolderTree.h"
#include "setup/install/InstallSteps.h"

#include <vector>

namespace tonvel {

namespace {

// The first file of the folder, in the order the file system lists them, whose name does not begin with
// "."; empty when there is none.
std::u16string FirstManualFile(IFileSystem& files, const std::u16string& folder) {
    std::vector<std::u16string> names;
    files.ListFiles(folder, names);
    for (const std::u16string& name : names)
        if (!name.empty() && name.front() != u'.') return name;
    return {};
}

} // namespace

int32_t Install_Manual(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.Plat;
    const _APPLICATION_FOLDER_PATH& folders = context.Folders;
    std::u16string language;
    ReadIniString(*platform.profile, folders.SourceFolderFullPath + ConfigFileName, u"Language",
                  u"DefaultLanguage", language);
    if (language.empty()) return InstallOk; // no language chosen: no manual folder to name
    const std::u16string source = folders.SourceFolderFullPath + ManualFolderName + u'\\' + language + u'\\';
    const std::u16string target = InstalledManualFolder(folders);
    const std::u16string manual = FirstManualFile(*platform.files, source);
    if (manual.empty()) return InstallOk;
    platform.files->CreateFolder(target);
    CopyFolderTree(platform, source, target);
    CreateShortcut(platform, folders.ShortcutFolderName, target + language + u'\\' + manual,
                   folders.UserManualShortcutName);
    return InstallOk;
}

} // namespace tonvel
