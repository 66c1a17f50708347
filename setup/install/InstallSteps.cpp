#include "setup/install/InstallSteps.h"

// The steps report their progress; what they install comes with the driver, payload, registration and
// update modules.

namespace tonvel {

int32_t Install_Service(const INSTALL_CONTEXT& context) {
    for (const int32_t percent : {30, 40, 50, 60})
        context.Progress(percent);
    return InstallOk;
}

int32_t Install_App(const INSTALL_CONTEXT& context) {
    context.Progress(70);
    return InstallOk;
}

int32_t Install_Uninstall(const INSTALL_CONTEXT& context) {
    context.Progress(80);
    return InstallOk;
}

int32_t Install_Config(const INSTALL_CONTEXT& context) {
    context.Progress(90);
    return InstallOk;
}

int32_t Install_Manual(const INSTALL_CONTEXT&) {
    return InstallOk;
}

int32_t Install_KB3033929(const INSTALL_CONTEXT&) {
    return InstallOk;
}

} // namespace tonvel
