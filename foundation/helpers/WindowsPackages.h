#pragma once
// Whether a Windows update package is installed, from the component-based servicing package list.

#include <cstdint>
#include <string_view>

namespace tonvel {

class IRegistry;

// 1 when a sub-key of HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Component Based Servicing\Packages
// (64-bit view) begins with "Package_for_" + name + "~" (case-sensitive); 0 when none does or it cannot be
// told.
int32_t IsWindowsPackageInstalled(IRegistry& registry, std::u16string_view name);

} // namespace tonvel
