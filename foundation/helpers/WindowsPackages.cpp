#include "foundation/helpers/WindowsPackages.h"

#include "platform/api/Registry.h"

#include <string>

namespace tonvel {

namespace {

constexpr char16_t PackagesKey[] =
    u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\Packages";
// The prefix is formatted into 256 units; the registry's key names are at most 255 units long, so a longer
// prefix could match nothing anyway.
constexpr size_t PrefixLimit = 255;
constexpr size_t NameLimit = 260;

} // namespace

int32_t IsWindowsPackageInstalled(IRegistry& registry, std::u16string_view name) {
    std::u16string prefix = u"Package_for_";
    prefix += name;
    prefix += u'~';
    if (prefix.size() > PrefixLimit) return 0;

    RegKey key = 0;
    if (registry.OpenKey(RegLocalMachine, PackagesKey, RegRead | RegView64, key) != RegOk) return 0;

    int32_t found = 0;
    uint32_t subKeys = 0;
    uint32_t values = 0;
    if (registry.QueryInfoKey(key, subKeys, values) == RegOk) {
        for (uint32_t index = 0; index < subKeys && !found; ++index) {
            std::u16string subKey;
            if (registry.EnumKey(key, index, subKey) != RegOk || subKey.size() > NameLimit) continue;
            if (subKey.size() >= prefix.size() && subKey.compare(0, prefix.size(), prefix) == 0) found = 1;
        }
    }
    registry.CloseKey(key);
    return found;
}

} // namespace tonvel
