#include "setup/install/WindowsUpdate.h"

#include "foundation/helpers/DebugTrace.h"
#include "foundation/helpers/RunProgram.h"
#include "foundation/helpers/WindowsPackages.h"
#include "installation/InstallationPaths.h"
#include "setup/install/InstallPayload.h"
#include "setup/install/InstallSteps.h"

namespace tonvel {

namespace {

constexpr char16_t CopyMethod[] = u"TMainForm::Copy_KB3033929";
constexpr char16_t InstallMethod[] = u"TMainForm::Install_KB3033929";
constexpr int32_t NoTimeLimit = -1;

// "***** <method> (<code>) *****\n"
void TraceFailure(const Platform& platform, std::u16string_view method, std::u16string_view code) {
    std::u16string line = u"***** ";
    line += method;
    line += u" (";
    line += code;
    line += u") *****\n";
    Trace(platform, line);
}

std::u16string PackagePath(const INSTALL_CONTEXT& context) {
    return UpdatePackagePath(context.Folders);
}

// Whether this Windows needs the update: 64-bit Windows 7 with a service pack, each other case traced.
bool SystemNeedsUpdate(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.Plat;
    if (!context.windows64) {
        Trace(platform, u"##### The OS is 32-Bit #####\n");
        return false;
    }
    if (context.Family != UpdateWindows7Family) {
        Trace(platform, u"##### The OS is not Win7 #####\n");
        return false;
    }
    if (context.ServicePack == 0) {
        Trace(platform, u"##### The OS is Win7, but not install the service pack! #####\n");
        return false;
    }
    return true;
}

} // namespace

int32_t Copy_KB3033929(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.Plat;
    TraceEnter(platform, CopyMethod);
    // No change of redirection: on 64-bit Windows the file lands in the 32-bit system folder.
    const int32_t written = WritePayload(platform, UpdatePayload, UpdatePayloadType, PackagePath(context));
    if (written == WRITE_PAYLOAD_MISSING) {
        TraceFailure(platform, CopyMethod, u"0x10000701");
        return UpdatePayloadMissing;
    }
    if (written != WRITE_PAYLOAD_OK) TraceFailure(platform, CopyMethod, u"0x10000702");
    return InstallOk;
}

int32_t Install_KB3033929(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.Plat;
    if (!SystemNeedsUpdate(context)) return InstallOk;
    if (IsWindowsPackageInstalled(*platform.registry, UpdateName) == 1) return InstallOk;
    Trace(platform, u"***** Service pack KDB3033929 not EXIST! *****\n");
    if (!context.Warnings.BeforeUpdate.empty()) context.Message(context.Warnings.BeforeUpdate);
    if (RunProgram(platform, PackagePath(context), NoTimeLimit) != RUN_PROGRAM_STARTED) {
        TraceFailure(platform, InstallMethod, u"0x80000601");
        return UpdateStartFailed;
    }
    return InstallOk;
}

} // namespace tonvel
