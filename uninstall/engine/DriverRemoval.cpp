#include "foundation/devid/DeviceIdMgr.h"
#include "installation/DeviceFilter.h"
#include "installation/DeviceRestart.h"
#include "installation/NativeSystemAccess.h"
#include "platform/api/Registry.h"
#include "uninstall/engine/RemoveFile.h"
#include "uninstall/engine/UninstallSteps.h"

namespace tonvel {

namespace {

UNINSTALL_ITEM KeptForDevices(UNINSTALL_ITEM item) {
    item.Status = ITEM_STATUS::Failed;
    item.Reason = ITEM_REASON::DriverStillNamed;
    return item;
}

// The filter detached with the device functions the setup uses too. A device that could not be restarted
// keeps the old filter loaded until Windows restarts; one whose filter list could not be written still
// names it.
UNINSTALL_ITEM DetachFilter(const UNINSTALL_CONTEXT& context) {
    // A group that did not load matches no device: none would lose the filter.
    if (context.UsbGroup.DeviceMap().empty())
        return KeptForDevices(ItemOf(UNINSTALL_KIND::DeviceFilter, FilterDriverName));
    bool restartNeeded = false;
    const int32_t pass = DetachFilterAndRestart(
        MATCHING_DEVICES{context.Plat, context.UsbGroup, context.Wow64}, restartNeeded);
    UNINSTALL_ITEM item = ItemOf(UNINSTALL_KIND::DeviceFilter, FilterDriverName);
    if (pass == DeviceFilterNotWritten) {
        item.Status = ITEM_STATUS::Failed;
        item.Reason = ITEM_REASON::FilterNotWritten;
    } else if (restartNeeded) {
        item.Status = ITEM_STATUS::RemovedAtRestart;
        item.Reason = ITEM_REASON::InUse;
    }
    return item;
}

} // namespace

void TakeRegistryStatus(UNINSTALL_ITEM& item, int32_t status) {
    if (status == RegNotFound) item.Status = ITEM_STATUS::NotPresent;
    if (status != RegOk && status != RegNotFound) {
        item.Status = ITEM_STATUS::Failed;
        item.Reason = ITEM_REASON::Error;
        item.Error = status;
    }
}

UNINSTALL_ITEM RemoveRegistryKey(IRegistry& registry, const std::u16string& keyPath) {
    UNINSTALL_ITEM item = ItemOf(UNINSTALL_KIND::RegistryKey, keyPath);
    const int32_t status = registry.DeleteTree(RegLocalMachine, keyPath, 0);
    TakeRegistryStatus(item, status);
    return item;
}

void RemoveFilterDriver(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    list.push_back(DetachFilter(context));
    // While a device may still name the filter, removing the driver would keep that device from starting.
    if (list.back().Status == ITEM_STATUS::Failed) {
        list.push_back(
            KeptForDevices(ItemOf(UNINSTALL_KIND::RegistryKey, DriverServiceKeyPath(FilterDriverName))));
        list.push_back(KeptForDevices(ItemOf(UNINSTALL_KIND::File, DriverFilePath(context.Folders))));
        return;
    }
    list.push_back(RemoveRegistryKey(*context.Plat.registry, DriverServiceKeyPath(FilterDriverName)));
    CNativeSystemAccess native(context.Plat, context.Wow64);
    list.push_back(RemoveInstalledFile(context, DriverFilePath(context.Folders), IN_USE_FILE::DeleteInPlace));
}

} // namespace tonvel
