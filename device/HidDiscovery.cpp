#include "device/HidDiscovery.h"

#include "base/text/Utf.h"
#include "device/RegisterMap.h"

#include <string>

namespace tonvel {

namespace {

// Longest path the name match looks at.
constexpr size_t MaxPathCopy = 255;

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return -1;
}

// The (at most) four characters after the marker, read as hexadecimal: leading blanks skipped, reading
// stops at the first other character. A text that ends early gives what is there.
uint16_t ReadHex4(std::u16string_view text, size_t start) {
    const std::u16string_view field = text.substr(start, 4);
    size_t i = 0;
    while (i < field.size() && (field[i] == u' ' || field[i] == u'\t')) {
        ++i;
    }
    uint32_t value = 0;
    for (; i < field.size(); ++i) {
        const int digit = HexDigit(field[i]);
        if (digit < 0) {
            break;
        }
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return static_cast<uint16_t>(value);
}

size_t FindMarker(std::u16string_view text, std::u16string_view upper, std::u16string_view mixed) {
    size_t at = text.find(upper);
    if (at == std::u16string_view::npos) {
        at = text.find(mixed);
    }
    return at;
}

// The first of the vendor-defined usage pages (0xFF00 to 0xFFFF).
constexpr uint16_t VendorUsagePageFirst = 0xFF00;

bool HasBothIds(IHid& hid, HidHandle handle, uint16_t vendorId, uint16_t productId) {
    HID_ATTRIBUTES attributes;
    return hid.GetAttributes(handle, attributes) && attributes.ProductID == productId &&
           attributes.VendorID == vendorId;
}

} // namespace

bool IsRegisterCollection(IHid& hid, HidHandle handle) {
    HidPreparsed preparsed = NoHidPreparsed;
    if (!hid.GetPreparsedData(handle, preparsed)) {
        return false;
    }
    HID_CAPS caps;
    const int32_t status = hid.GetCaps(preparsed, caps);
    hid.FreePreparsedData(preparsed);
    return status == HidpStatusSuccess && caps.UsagePage >= VendorUsagePageFirst &&
           caps.OutputReportByteLength >= MeaningfulReportBytes;
}

void ParseVidPid(std::u16string_view text, uint16_t& vendorId, uint16_t& productId) {
    vendorId = 0;
    productId = 0;
    const size_t vid = FindMarker(text, u"VID_", u"Vid_");
    if (vid == std::u16string_view::npos) {
        return;
    }
    vendorId = ReadHex4(text, vid + 4);
    const size_t pid = FindMarker(text, u"PID_", u"Pid_");
    if (pid == std::u16string_view::npos) {
        return;
    }
    productId = ReadHex4(text, pid + 4);
}

bool MatchHidInterfaceName(std::u16string_view path) {
    const std::u16string_view limited = path.substr(0, MaxPathCopy);
    if (limited.size() < HidInterfacePatternLength) {
        return false; // too short to hold a whole pattern
    }
    for (std::u16string_view pattern : HidInterfacePatterns) {
        std::u16string copy(limited.substr(0, HidInterfacePatternLength));
        for (size_t i = 0; i < HidInterfacePatternLength; ++i) {
            if (pattern[i] == u'X') {
                copy[i] = u'X';
            }
        }
        if (EqualsNoCaseAscii(copy, pattern)) {
            return true;
        }
    }
    return false;
}

HidHandle OpenAudioHidDevice(IHid& hid, IDeviceInstall& install, uint16_t vendorId, uint16_t productId) {
    const std::u16string hidClass = hid.GetHidGuid();
    const DeviceListHandle list = install.GetClassDevs(hidClass, DigcfPresent | DigcfDeviceInterface);
    if (list == NoDeviceList) {
        return NoHidHandle;
    }
    HidHandle found = NoHidHandle;
    for (uint32_t index = 0; found == NoHidHandle; ++index) {
        DEVICE_INTERFACE_DATA data;
        if (!install.EnumDeviceInterfaces(list, hidClass, index, data)) {
            break;
        }
        std::u16string path;
        if (!install.GetDeviceInterfacePath(list, data, path)) {
            continue;
        }
        const HidHandle handle = hid.OpenInterface(path);
        if (handle == NoHidHandle) {
            continue;
        }
        if (HasBothIds(hid, handle, vendorId, productId) && IsRegisterCollection(hid, handle)) {
            found = handle;
        } else {
            hid.Close(handle);
        }
    }
    install.DestroyDeviceInfoList(list);
    return found;
}

} // namespace tonvel
