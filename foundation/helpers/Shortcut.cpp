#include "foundation/helpers/Shortcut.h"

#include "platform/api/Environment.h"
#include "platform/api/FileSystem.h"
#include "platform/api/Platform.h"
#include "platform/api/Shell.h"

namespace tonvel {

namespace {

// The link's path is built in a MAX_PATH buffer: 259 units and the terminator.
constexpr size_t PathLimit = 259;

void SaveLink(const Platform& platform, COM_OBJECT persistFile, const std::u16string& folderName,
              const std::u16string& shortcutName) {
    std::u16string path;
    if (platform.environment->FolderPath(FolderCommonPrograms, path) != FolderOk) return;
    path += u'\\';
    path += folderName;
    if (path.size() > PathLimit) return;
    platform.files->CreateFolder(path); // an existing folder is fine
    path += u'\\';
    path += shortcutName;
    path += LinkSuffix;
    if (path.size() > PathLimit) return;
    platform.shell->SaveFile(persistFile, path, true);
}

} // namespace

void CreateShortcut(const Platform& platform, const std::u16string& folderName,
                    const std::u16string& targetPath, const std::u16string& shortcutName) {
    IShell& shell = *platform.shell;
    const int32_t initialised = shell.CoInitialize();
    COM_OBJECT link = nullptr;
    COM_OBJECT persistFile = nullptr;
    if (shell.CreateShellLink(link) >= 0 && link && shell.QueryPersistFile(link, persistFile) >= 0 &&
        persistFile && shell.SetLinkPath(link, targetPath) >= 0) {
        SaveLink(platform, persistFile, folderName, shortcutName);
    }
    if (persistFile) shell.Release(persistFile);
    if (link) shell.Release(link);
    // Each successful CoInitialize (S_OK or S_FALSE) is balanced; a failed one is not.
    if (initialised >= 0) shell.CoUninitialize();
}

} // namespace tonvel
