#include "installation/DeviceProperties.h"

#include "foundation/devid/DeviceIdMgr.h"

namespace tonvel {

namespace {

char16_t FoldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// The strings up to the empty one; the zeroed tail of the buffer ends a value that lacks its terminators.
std::vector<std::u16string> SplitMultiString(const std::vector<uint8_t>& bytes) {
    std::vector<std::u16string> strings;
    std::u16string current;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto c = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (c != 0) {
            current += c;
            continue;
        }
        if (current.empty()) break;
        strings.push_back(std::move(current));
        current.clear();
    }
    return strings;
}

} // namespace

bool GetDeviceStringProperty(IDeviceInstall& install, DeviceListHandle list, const DEVICE_INFO_DATA& device,
                             uint32_t property, std::vector<uint8_t>& bytes, uint32_t& valueType) {
    const DEVICE_PROPERTY_RESULT probe =
        install.GetDeviceRegistryProperty(list, device, property, nullptr, 0);
    if (probe.Ok || probe.Error != ErrorInsufficientBuffer || probe.RequiredSize == 0) return false;
    bytes.assign(static_cast<size_t>(probe.RequiredSize) * 2 + 4, 0);
    const DEVICE_PROPERTY_RESULT read = install.GetDeviceRegistryProperty(
        list, device, property, bytes.data(), static_cast<uint32_t>(bytes.size()));
    if (!read.Ok) {
        bytes.clear();
        return false;
    }
    valueType = read.ValueType;
    return true;
}

std::vector<std::u16string> DeviceMultiString(IDeviceInstall& install, DeviceListHandle list,
                                              const DEVICE_INFO_DATA& device, uint32_t property) {
    std::vector<uint8_t> bytes;
    uint32_t type = 0;
    if (!GetDeviceStringProperty(install, list, device, property, bytes, type) || type != RegMultiSz)
        return {};
    return SplitMultiString(bytes);
}

bool UpperFilterIs(IDeviceInstall& install, DeviceListHandle list, const DEVICE_INFO_DATA& device,
                   std::u16string_view name, uint32_t property) {
    const std::vector<std::u16string> filters = DeviceMultiString(install, list, device, property);
    return !filters.empty() && SameNameNoCase(filters.front(), name);
}

bool SameNameNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

bool DeviceIdMatches(std::u16string_view hardwareId, std::u16string_view pattern, const CDeviceIdMgr& group) {
    return hardwareId.size() == pattern.size() && group.Match(std::u16string(hardwareId));
}

} // namespace tonvel
