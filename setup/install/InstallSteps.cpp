#include "setup/install/InstallSteps.h"

// The steps report their progress; what they install comes with the driver, payload, registration and
// update modules.

namespace tonvel {

int32_t Install_FilterDriver(const INSTALL_CONTEXT& context) {
    context.Progress(10);
    context.Progress(20);
    return InstallOk;
}

void DetachFilterAndRestart(const INSTALL_CONTEXT&) {}

int32_t RestartMatchingDevices(const INSTALL_CONTEXT&) {
    return InstallOk;
}

} // namespace tonvel
