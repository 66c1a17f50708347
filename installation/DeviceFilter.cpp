#include "installation/DeviceFilter.h"

#include "installation/DeviceProperties.h"

#include <string>
#include <vector>

namespace tonvel {

namespace {

bool WriteUpperFilters(IDeviceInstall& install, DeviceListHandle list, const DEVICE_INFO_DATA& device,
                       const std::vector<std::u16string>& filters) {
    if (filters.empty())
        return install.SetDeviceRegistryProperty(list, device, SpdrpUpperFilters, nullptr, 0);
    std::u16string joined;
    for (const std::u16string& filter : filters) {
        joined += filter;
        joined.push_back(u'\0');
    }
    joined.push_back(u'\0');
    std::vector<uint8_t> bytes;
    for (const char16_t c : joined) {
        bytes.push_back(static_cast<uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    return install.SetDeviceRegistryProperty(list, device, SpdrpUpperFilters, bytes.data(),
                                             static_cast<uint32_t>(bytes.size()));
}

} // namespace

int32_t ForEachMatchingDevice(IDeviceInstall& install, std::u16string_view classGuid,
                              std::u16string_view pattern, const CDeviceIdMgr& group, uint32_t flags,
                              const MATCHING_DEVICE_VISITOR& visit) {
    const DeviceListHandle list = install.GetClassDevs(classGuid, flags);
    if (list == NoDeviceList) return DeviceListUnavailable;
    DEVICE_INFO_DATA device;
    for (uint32_t index = 0; install.EnumDeviceInfo(list, index, device); ++index) {
        const std::vector<std::u16string> ids = DeviceMultiString(install, list, device, SpdrpHardwareId);
        if (!ids.empty() && DeviceIdMatches(ids.front(), pattern, group)) visit(list, device);
    }
    install.DestroyDeviceInfoList(list);
    return DevicePassDone;
}

int32_t RemoveUpperFilter(IDeviceInstall& install, std::u16string_view classGuid, std::u16string_view pattern,
                          const CDeviceIdMgr& group, std::u16string_view filterName) {
    bool written = true;
    const int32_t pass = ForEachMatchingDevice(
        install, classGuid, pattern, group, DigcfAllClasses,
        [&](DeviceListHandle list, const DEVICE_INFO_DATA& device) {
            std::vector<std::u16string> filters = DeviceMultiString(install, list, device, SpdrpUpperFilters);
            const size_t before = filters.size();
            std::erase_if(filters, [&](const std::u16string& f) { return SameNameNoCase(f, filterName); });
            if (filters.size() != before && !WriteUpperFilters(install, list, device, filters))
                written = false;
        });
    return pass == DevicePassDone && !written ? DeviceFilterNotWritten : pass;
}

} // namespace tonvel
