// Step 3: the control panel's file in the install folder, its Run value and its program shortcut.

#include "foundation/helpers/Shortcut.h"
#include "installation/InstallationPaths.h"
#include "platform/api/FileSystem.h"
#include "setup/install/InstallPayload.h"
#include "setup/install/InstallSteps.h"
#include "setup/install/Registration.h"

namespace tonvel {

int32_t Install_App(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.Plat;
    const _APPLICATION_FOLDER_PATH& folders = context.Folders;
    const std::u16string program = PanelProgramPath(folders);
    // Without its payload the step writes nothing, not even the install folder.
    if (!HasPayload(platform, AppPayload, AppPayloadType)) return AppPayloadMissing;
    platform.files->CreateFolder(folders.InstallFolderFullPath); // an existing folder is fine
    const int32_t written = WritePayload(platform, AppPayload, AppPayloadType, program);
    if (written == WRITE_PAYLOAD_MISSING) return AppPayloadMissing;
    if (written != WRITE_PAYLOAD_OK) return AppFileFailed;
    if (WriteRunValue(*platform.registry, folders.APPFileName, program) != WRITE_RUN_VALUE_OK)
        return RunValueFailed;
    CreateShortcut(platform, folders.ShortcutFolderName, program, folders.AppShortcutName);
    context.Progress(70);
    return InstallOk;
}

} // namespace tonvel
