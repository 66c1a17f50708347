#pragma once
// The fixed names of an installation, as the setup writes them and the uninstaller takes them back: the
// filter driver's service and file, the helper service and its program, the device-ID groups' keys, the
// Run and Uninstall keys with their values, the update package, the file suffixes. The names read from
// the configuration (install folder, program and shortcut names) are joined to these in
// InstallationPaths.h.

#include <cstdint>
#include <string_view>

namespace tonvel {

// The filter driver: its kernel-service key under HKEY_LOCAL_MACHINE and its file in the native system
// folder, both named after the driver.
inline constexpr char16_t FilterDriverName[] = u"Pelix";
inline constexpr char16_t DriverServicesKey[] = u"SYSTEM\\CurrentControlSet\\Services\\";
inline constexpr char16_t DriverImageFolder[] = u"System32\\DRIVERS\\"; // the ImagePath value's folder
inline constexpr char16_t DriversFolder[] = u"drivers\\";               // below the native system folder
inline constexpr char16_t DriverFileExtension[] = u".sys";
// The driver's service key's values.
inline constexpr char16_t DriverErrorControlValue[] = u"ErrorControl";
inline constexpr char16_t DriverStartValue[] = u"Start";
inline constexpr char16_t DriverTypeValue[] = u"Type";
inline constexpr char16_t DriverImagePathValue[] = u"ImagePath";
// The hardware-ID pattern handed to the device functions: only its length (36) counts.
inline constexpr std::u16string_view SetupHardwareIdPattern = u"USB\\VID_7F1C&PID_72XX&REV_0100&MI_03";

// The helper service and its program file in the native system folder.
inline constexpr char16_t HelperServiceName[] = u"Castorel";
inline constexpr char16_t ServiceProgramFileName[] = u"Castorel.exe";

// The device-ID groups' keys (below DeviceIdGroupKeyRoot).
inline constexpr char16_t UsbGroupName[] = u"ORV USB DeviceId Group";
inline constexpr char16_t HidGroupName[] = u"ORV HID DeviceId Group";

// The control panel's Run value (named after the panel's program) lies in this key.
inline constexpr char16_t RunKeyPath[] = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// Held while the setup, and while the uninstaller, runs: one of each at a time.
inline constexpr char16_t SetupMutexName[] = u"TonvelSetupRunning";
inline constexpr char16_t UninstallMutexName[] = u"TonvelUninstallRunning";

// The product's Uninstall entry and its values.
inline constexpr char16_t UninstallKeyPath[] =
    u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ORV72xxAudioExt";
inline constexpr char16_t DisplayNameValue[] = u"DisplayName";
inline constexpr char16_t UninstallStringValue[] = u"UninstallString";
inline constexpr char16_t DisplayIconValue[] = u"DisplayIcon";
inline constexpr char16_t DisplayVersionValue[] = u"DisplayVersion";
inline constexpr char16_t PublisherValue[] = u"Publisher";

// The Windows update package, written into the system folder of the setup's bitness.
inline constexpr char16_t UpdateName[] = u"KB3033929";
inline constexpr char16_t UpdatePackageFileName[] = u"Windows6.1-KB3033929-x64.msu";

// The user manual's folder in the install folder; the per-user folder lies below this variable's folder.
inline constexpr char16_t ManualFolderName[] = u"Manual";
inline constexpr char16_t UserFolderVariable[] = u"APPDATA";

inline constexpr char16_t ExeSuffix[] = u".exe";

} // namespace tonvel
