// Step 4: the uninstaller's file in the install folder, its shortcut and the Uninstall entry.

#include "foundation/helpers/Shortcut.h"
#include "installation/InstallationPaths.h"
#include "setup/install/InstallPayload.h"
#include "setup/install/InstallSteps.h"
#include "setup/install/Registration.h"

namespace tonvel {

int32_t Install_Uninstall(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.Plat;
    const _APPLICATION_FOLDER_PATH& folders = context.Folders;
    const std::u16string program = UninstallProgramPath(folders);
    const int32_t written = WritePayload(platform, UninstallPayload, UninstallPayloadType, program);
    if (written == WRITE_PAYLOAD_MISSING) return UninstallPayloadMissing;
    if (written != WRITE_PAYLOAD_OK) return UninstallFileFailed;
    // Neither outcome stops the installation.
    CreateShortcut(platform, folders.ShortcutFolderName, program, folders.UninstallShortcutName);
    WriteUninstallInfo(*platform.registry, context.Uninstall);
    context.Progress(80);
    return InstallOk;
}

} // namespace tonvel
