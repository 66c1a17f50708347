#pragma once
// What the install sequence and its steps read: the wizard's data, written before the worker starts and
// not changed while it runs, and the ways to report to the wizard.

#include "foundation/config/ApplicationFolderPath.h"
#include "foundation/devid/DeviceIdMgr.h"
#include "installation/RegUninstallInfo.h"
#include "platform/api/Platform.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tonvel {

struct INSTALL_REPORTS {
    std::function<void(int32_t percent)> Progress;           // posted to the wizard
    std::function<void(const std::u16string& text)> Message; // a message box owned by the wizard
};

// The wizard's message texts for the install (the language file's "LabelWarning1" to "LabelWarning5").
struct INSTALL_WARNINGS {
    std::u16string OldDriverActive; // LabelWarning1
    std::u16string StepFailed;      // LabelWarning2, followed by the step's code
    std::u16string ChannelNotOpen;  // LabelWarning3
    std::u16string BeforeUpdate;    // LabelWarning4; empty: no message
    std::u16string PanelStillRuns;  // LabelWarning5, followed by the path of the panel still running
};

struct INSTALL_CONTEXT {
    const Platform& Plat;
    const _APPLICATION_FOLDER_PATH& Folders;
    const _REG_UNINSTALL_INFO& Uninstall;
    const CDeviceIdMgr& UsbGroup;
    const CDeviceIdMgr& HidGroup;
    const INSTALL_WARNINGS& Warnings;
    bool Wow64 = false;     // a 32-bit process on 64-bit Windows: redirection, the restart helper
    bool windows64 = false; // 64-bit Windows (whichever the process): the payloads, the update
    int32_t Family = 2;
    int32_t Version = 0;
    int32_t ServicePack = 0;
    INSTALL_REPORTS Reports = {};
    // Set by the device handling when a device could not be restarted: Windows must restart to finish.
    mutable bool RestartNeeded = false;

    void Progress(int32_t percent) const {
        if (Reports.Progress) Reports.Progress(percent);
    }
    void Message(const std::u16string& text) const {
        if (Reports.Message) Reports.Message(text);
    }
    void NeedWindowsRestart() const { RestartNeeded = true; }
};

} // namespace tonvel
