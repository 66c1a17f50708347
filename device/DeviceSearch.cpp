#include "device/DeviceSearch.h"

#include <vector>

namespace tonvel {

bool ReadFirstPropertyString(IDeviceInstall& install, DeviceListHandle list, const DEVICE_INFO_DATA& device,
                             uint32_t property, std::u16string& text) {
    const DEVICE_PROPERTY_RESULT probe =
        install.GetDeviceRegistryProperty(list, device, property, nullptr, 0);
    if (probe.Ok || probe.Error != ErrorInsufficientBuffer || probe.RequiredSize == 0) {
        return false;
    }
    const uint32_t size = probe.RequiredSize * 2 + 4;
    std::vector<uint8_t> buffer(size, 0);
    if (!install.GetDeviceRegistryProperty(list, device, property, buffer.data(), size).Ok) {
        return false;
    }
    // The first string ends at its terminator; the zeroed tail bounds a value that lacks one.
    text.clear();
    for (size_t i = 0; i + 1 < buffer.size(); i += 2) {
        const auto c = static_cast<char16_t>(buffer[i] | (buffer[i + 1] << 8));
        if (c == 0) {
            break;
        }
        text += c;
    }
    return true;
}

int32_t FindMatchingDevice(IDeviceInstall& install, std::u16string_view classGuid,
                           std::u16string_view pattern, const HardwareIdMatcher& match,
                           std::u16string* hardwareId, uint32_t flags) {
    const DeviceListHandle list = install.GetClassDevs(classGuid, flags);
    if (list == NoDeviceList) {
        return 1;
    }
    for (uint32_t index = 0;; ++index) {
        DEVICE_INFO_DATA device;
        if (!install.EnumDeviceInfo(list, index, device)) {
            break;
        }
        std::u16string id;
        if (!ReadFirstPropertyString(install, list, device, SpdrpHardwareId, id)) {
            continue;
        }
        if (id.size() == pattern.size() && match && match(id)) {
            if (hardwareId != nullptr) {
                *hardwareId = id;
            }
            install.DestroyDeviceInfoList(list);
            return 1;
        }
    }
    install.DestroyDeviceInfoList(list);
    return 0;
}

} // namespace tonvel
