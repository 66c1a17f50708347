#include "setup/install/InstallFilterDriver.h"

#include "foundation/helpers/BinaryFile.h"
#include "foundation/helpers/DebugTrace.h"
#include "foundation/helpers/ResourceBytes.h"
#include "installation/DeviceRestart.h"
#include "installation/InstallationPaths.h"
#include "installation/NativeSystemAccess.h"
#include "setup/install/DriverServiceKey.h"
#include "setup/install/InstallSteps.h"

#include <string>

namespace tonvel {

namespace {

// The driver file, written with the thread's redirection as the caller left it.
int32_t WriteDriverFile(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.Plat;
    uint32_t size = 0;
    const uint16_t id = context.windows64 ? DriverResource64 : DriverResource32;
    const uint8_t* bytes = LoadResourceBytes(*platform.resources, id, DriverResourceType, size);
    if (bytes == nullptr) return DriverPayloadMissing;
    const std::u16string path = DriverFilePath(context.Folders);
    if (path.size() >= FilePathUnits) return DriverFileFailed;
    return WriteBinaryFile(*platform.files, path, bytes, size) == WRITE_BINARY_FILE_OK ? InstallOk
                                                                                       : DriverFileFailed;
}

} // namespace

int32_t Install_FilterDriver(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.Plat;
    TraceEnter(platform, u"TMainForm::Install_FilterDriver");
    if (CreateDriverServiceKey(*platform.registry, FilterDriverName) != DriverKeyWritten)
        return DriverKeyFailed;
    context.Progress(10);
    // Under WOW64 the native system folder is reached only with the thread's redirection off.
    int32_t result = InstallOk;
    {
        const CNativeSystemAccess native(platform, context.Wow64);
        result = WriteDriverFile(context);
    }
    if (result != InstallOk) return result;
    context.Progress(20);
    return InstallOk;
}

void DetachFilterAndRestart(const INSTALL_CONTEXT& context) {
    bool restartNeeded = false;
    DetachFilterAndRestart(MATCHING_DEVICES{context.Plat, context.UsbGroup, context.Wow64}, restartNeeded);
    if (restartNeeded) context.NeedWindowsRestart();
}

int32_t RestartMatchingDevices(const INSTALL_CONTEXT& context) {
    bool restartNeeded = false;
    const int32_t pass = RestartMatchingDevices(
        MATCHING_DEVICES{context.Plat, context.UsbGroup, context.Wow64}, restartNeeded);
    if (restartNeeded) context.NeedWindowsRestart();
    return pass;
}

} // namespace tonvel
