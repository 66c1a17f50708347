#include "setup/install/InstallFilterDriver.h"

#include "foundation/helpers/BinaryFile.h"
#include "foundation/helpers/DebugTrace.h"
#include "foundation/helpers/ResourceBytes.h"
#include "foundation/helpers/Wow64.h"
#include "setup/install/DeviceFilter.h"
#include "setup/install/DeviceRestart.h"
#include "setup/install/DriverServiceKey.h"
#include "setup/install/InstallSteps.h"

#include <string>

namespace tonvel {

namespace {

// The driver file, written with the thread's redirection as the caller left it.
int32_t WriteDriverFile(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.platform;
    uint32_t size = 0;
    const uint16_t id = context.wow64 ? DriverResource64 : DriverResource32;
    const uint8_t* bytes = LoadResourceBytes(*platform.resources, id, DriverResourceType, size);
    if (bytes == nullptr) return DriverPayloadMissing;
    const std::u16string path =
        context.folders.NativeSystemFolder + DriversFolder + FilterDriverName + DriverFileExtension;
    if (path.size() >= FilePathUnits) return DriverFileFailed;
    return WriteBinaryFile(*platform.files, path, bytes, size) == WRITE_BINARY_FILE_OK ? InstallOk
                                                                                       : DriverFileFailed;
}

} // namespace

int32_t Install_FilterDriver(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.platform;
    TraceEnter(platform, u"TMainForm::Install_FilterDriver");
    if (CreateDriverServiceKey(*platform.registry, FilterDriverName) != DriverKeyWritten)
        return DriverKeyFailed;
    context.Progress(10);
    // Under WOW64 the native system folder is reached only with the thread's redirection off.
    void* saved = nullptr;
    const bool redirectionOff = context.wow64 && DisableFsRedirection(*platform.system, saved);
    const int32_t result = WriteDriverFile(context);
    if (redirectionOff) RevertFsRedirection(*platform.system, saved);
    if (result != InstallOk) return result;
    context.Progress(20);
    return InstallOk;
}

void DetachFilterAndRestart(const INSTALL_CONTEXT& context) {
    if (RemoveUpperFilter(*context.platform.deviceInstall, kHidSetupClass, SetupHardwareIdPattern,
                          context.usbGroup, FilterDriverName) == DevicePassDone)
        RestartMatchingDevices(context);
}

} // namespace tonvel
