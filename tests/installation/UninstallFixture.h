#pragma once
// A simulated machine as Windows leaves it (system folders, the Run and Uninstall keys, a foreign Run value
// and service), what the setup writes into it, and the uninstaller run against it.

#include "platform/sim/SimWindows.h"
#include "setup/install/InstallSequence.h"
#include "tests/installation/SimSnapshot.h"
#include "uninstall/engine/UninstallContext.h"

#include <string>

namespace tonvel::sim {

struct UNINSTALL_MACHINE {
    CSimWindows sim;
    _APPLICATION_FOLDER_PATH folders;
    CDeviceIdMgr usb;
    UNINSTALL_LIST list;
    std::u16string installFolder; // as the setup computes it, with the trailing backslash

    explicit UNINSTALL_MACHINE(SIM_SITUATION situation = SIM_SITUATION::Wow64);

    // Installs with the setup's own install sequence from a setup folder laid out from the assets, with
    // small simulated payloads (the setup folder itself is made before the first picture: it is where the
    // user unpacked the setup, not part of the installation).
    void Install();
    int32_t installResult = -1;
    // The two parts of Install: the wizard's device-ID groups, and the install sequence with these steps.
    void SaveDeviceGroups();
    void RunInstallSequence(INSTALL_STEPS steps);
    // Loads the installed configuration and runs the uninstaller; the exit code.
    int32_t Uninstall(bool keepUserSettings);

    std::u16string Installed(const std::u16string& name) const { return installFolder + name; }
    std::u16string UserFolder() const { return u"C:\\Users\\User\\AppData\\Roaming\\Tonvel"; }
    std::u16string TempFolder() const { return u"C:\\Users\\User\\AppData\\Local\\Temp"; }
    // The native system folder as every process reaches it.
    std::u16string NativeSystem() const;
    // The setup's folder where the user unpacked it (there before the installation), its payloads and
    // configuration record, and the service program's registration run.
    void PrepareSetup();
    _APPLICATION_FOLDER_PATH setup;
    CDeviceIdMgr setupUsb, setupHid;
    // The first item of the list with this target (letter case as written); null when there is none.
    const UNINSTALL_ITEM* Item(const std::u16string& target) const;
};

} // namespace tonvel::sim
