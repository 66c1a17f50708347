#include "setup/install/Registration.h"

namespace tonvel {

std::u16string QuotedPath(const std::u16string& path) {
    return u'"' + path + u'"';
}

int32_t WriteRunValue(IRegistry& registry, const std::u16string& name, const std::u16string& programPath) {
    RegKey key = 0;
    if (registry.CreateKey(RegLocalMachine, RunKeyPath, RegRead | RegWrite, key) != RegOk)
        return WRITE_RUN_VALUE_NO_KEY;
    const int32_t status = registry.SetString(key, name, QuotedPath(programPath));
    registry.CloseKey(key);
    return status == RegOk ? WRITE_RUN_VALUE_OK : WRITE_RUN_VALUE_NOT_WRITTEN;
}

bool WriteUninstallInfo(IRegistry& registry, const _REG_UNINSTALL_INFO& info) {
    RegKey key = 0;
    if (registry.OpenKey(RegLocalMachine, info.KeyPath, RegAllAccess, key) != RegOk &&
        registry.CreateKey(RegLocalMachine, info.KeyPath, RegAllAccess, key) != RegOk)
        return false;
    registry.SetString(key, DisplayNameValue, info.DisplayName);
    registry.SetString(key, UninstallStringValue, QuotedPath(info.UninstallString));
    registry.SetString(key, DisplayIconValue, info.DisplayIcon);
    registry.SetString(key, DisplayVersionValue, info.DisplayVersion);
    registry.SetString(key, PublisherValue, info.Publisher);
    registry.CloseKey(key);
    return true;
}

} // namespace tonvel
