#include "setup/install/DriverServiceKey.h"

#include "installation/InstallationNames.h"
#include "installation/InstallationPaths.h"
#include "platform/api/Registry.h"

#include <string>

namespace tonvel {

namespace {

int32_t WriteServiceValues(IRegistry& registry, RegKey key, const std::u16string& name) {
    int32_t status = registry.SetDword(key, DriverErrorControlValue, DriverErrorNormal);
    if (status == RegOk) status = registry.SetDword(key, DriverStartValue, DriverDemandStart);
    if (status == RegOk) status = registry.SetDword(key, DriverTypeValue, DriverKernelService);
    if (status == RegOk)
        status = registry.SetString(key, DriverImagePathValue, DriverImagePath(name), RegTypeExpandSz);
    if (status == RegOk) status = registry.FlushKey(key);
    return status;
}

} // namespace

int32_t CreateDriverServiceKey(IRegistry& registry, std::u16string_view serviceName) {
    const std::u16string name(serviceName);
    const std::u16string path = DriverServiceKeyPath(name);
    if (name.empty() || path.size() > RegistryKeyNameUnits) return DriverKeyNotWritten;
    RegKey key = 0;
    if (registry.CreateKey(RegLocalMachine, path, RegAllAccess, key) != RegOk) return DriverKeyNotWritten;
    const int32_t status = WriteServiceValues(registry, key, name);
    registry.CloseKey(key);
    return status == RegOk ? DriverKeyWritten : DriverKeyNotWritten;
}

} // namespace tonvel
