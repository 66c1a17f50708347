#pragma once
// Finding the device's HID interface: the interface-path patterns, reading vendor and product IDs from a
// path or hardware ID, and opening the register collection of the HID interface with given IDs.

#include "platform/api/DeviceInstall.h"
#include "platform/api/Hid.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tonvel {

// The HID interface paths of the supported devices; "X" stands for any one character.
inline constexpr size_t HidInterfacePatternLength = 31;
inline constexpr std::array<std::u16string_view, 6> HidInterfacePatterns = {
    u"\\\\?\\HID#VID_7F1C&PID_72XX&MI_03", u"\\\\?\\HID#VID_0600&PID_XX15&MI_03",
    u"\\\\?\\HID#VID_0600&PID_XX16&MI_03", u"\\\\?\\HID#VID_0600&PID_XX18&MI_03",
    u"\\\\?\\HID#VID_0600&PID_XX19&MI_03", u"\\\\?\\HID#VID_0600&PID_XX20&MI_03",
};

// The vendor and product ID after "VID_" / "PID_" (or "Vid_" / "Pid_"): four characters read as
// hexadecimal. Both are 0 first; a missing marker leaves its ID (and, for "VID_", both) at 0.
void ParseVidPid(std::u16string_view text, uint16_t& vendorId, uint16_t& productId);

// True when the path's first 31 characters match one of HidInterfacePatterns, ignoring case.
bool MatchHidInterfaceName(std::u16string_view path);

// Whether an open HID interface is the register collection: a vendor-defined usage page (0xFF00 and up)
// and an output report long enough for a register request. An interface with several top-level
// collections lists each as a path of its own with the same IDs (consumer control opens shared beside it).
bool IsRegisterCollection(IHid& hid, HidHandle handle);

// An open handle of the first present HID interface whose attributes carry both IDs and that is the
// register collection, or NoHidHandle.
HidHandle OpenAudioHidDevice(IHid& hid, IDeviceInstall& install, uint16_t vendorId, uint16_t productId);

} // namespace tonvel
