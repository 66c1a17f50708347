#pragma once
// The few names every program of the product shares: the control panel, the setup and the uninstaller
// spell them from here only.

namespace tonvel {

// Broadcast to running control panels: each one quits when it receives it.
inline constexpr char16_t ExitMessageName[] = u"WM_ORV72xxAPP_EXIT";
// The configuration file beside each program, and its copy in the user's folder.
inline constexpr char16_t ConfigFileName[] = u"AudioConfig.cfg";
// The configuration's sections with the device-ID groups of the supported hardware.
inline constexpr char16_t UsbDeviceIdSection[] = u"USB_VID_PID";
inline constexpr char16_t HidDeviceIdSection[] = u"HID_VID_PID";

} // namespace tonvel
