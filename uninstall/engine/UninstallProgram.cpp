#include "uninstall/engine/UninstallProgram.h"

#include "foundation/helpers/Wow64.h"
#include "installation/InstallationNames.h"
#include "platform/api/FileSystem.h"
#include "platform/api/WindowSystem.h"
#include "uninstall/engine/HandOver.h"
#include "uninstall/engine/UninstallReport.h"
#include "uninstall/engine/Uninstaller.h"

namespace tonvel {

namespace {

// Quiet mode writes what it would have shown into the log file.
int32_t Finish(const Platform& platform, const UNINSTALL_UI& ui, bool quiet, const UNINSTALL_TEXTS& texts,
               int32_t code, const std::u16string& message) {
    if (!quiet) {
        ui.Tell(texts.Caption, message);
        return code;
    }
    if (code != UninstallDone) {
        const std::u16string log = UninstallLogPath(platform);
        if (!log.empty()) WriteUninstallLog(platform, log, texts, code, message);
    }
    return code;
}

int32_t Remove(const Platform& platform, const UNINSTALL_COMMAND& command, const UNINSTALL_UI& ui) {
    _APPLICATION_FOLDER_PATH folders;
    CDeviceIdMgr usbGroup;
    UNINSTALL_LIST list;
    const bool configured = LoadInstalledConfiguration(platform, command.OriginalProgram, folders, usbGroup);
    const UNINSTALL_TEXTS texts =
        configured ? LoadUninstallTexts(*platform.profile, folders) : DefaultUninstallTexts();
    if (!configured)
        return Finish(platform, ui, command.Quiet, texts, UninstallNoConfiguration,
                      texts[LabelUninstallNoConfig]);
    if (!MayUninstall(platform))
        return Finish(platform, ui, command.Quiet, texts, UninstallNotAdministrator,
                      texts[LabelUninstallNoAdmin]);
    // One removal at a time: the mutex is held until this process ends.
    IWindowSystem& windows = *platform.windowSystem;
    if (windows.MutexExists(UninstallMutexName))
        return Finish(platform, ui, command.Quiet, texts, UninstallAlreadyRunning,
                      texts[LabelUninstallRunning]);
    windows.CreateNamedMutex(UninstallMutexName);
    UNINSTALL_CONTEXT context{platform, folders, usbGroup};
    context.Options.OriginalProgram = command.OriginalProgram;
    context.Options.ParkingFolder = TemporaryFolder(platform);
    context.Wow64 = IsWow64(*platform.system);
    if (!command.Quiet) {
        if (!ui.Ask(texts.Caption, texts[LabelUninstallConfirm])) return UninstallCancelled;
        context.Options.KeepUserSettings = ui.Ask(texts.Caption, texts[LabelUninstallKeepSettings]);
        ui.OpenProgress(texts.Caption, texts[LabelUninstallProgress]);
        context.OnProgress = ui.Progress;
    }
    const int32_t code = RunUninstall(context, list);
    if (!command.Quiet) ui.CloseProgress();
    return Finish(platform, ui, command.Quiet, texts, code, FinalMessage(list, texts));
}

} // namespace

int32_t RunUninstallProgram(const Platform& platform, std::u16string_view arguments, const UNINSTALL_UI& ui) {
    UNINSTALL_COMMAND command = ParseUninstallCommand(arguments);
    if (command.OriginalProgram.empty()) {
        if (PROCESS_HANDLE copy = HandOverToTemporaryCopy(platform, command.Quiet))
            return FinishHandOver(platform, copy, command.Quiet);
        command.OriginalProgram = platform.files->ModuleFileName(); // removes itself in place
    } else {
        TakeOverFromOriginal(platform, command);
    }
    return Remove(platform, command, ui);
}

} // namespace tonvel
