#pragma once
// Making the product known to Windows: the control panel's Run value and the product's Uninstall entry.
// Both keys are opened in the setup's default registry view (the 32-bit view on 64-bit Windows). Program
// paths are written in quotes, so that a path with spaces names one program only.

#include "installation/InstallationNames.h"
#include "installation/RegUninstallInfo.h"
#include "platform/api/Registry.h"

#include <cstdint>
#include <string>

namespace tonvel {

enum WRITE_RUN_VALUE_RESULT : int32_t {
    WRITE_RUN_VALUE_OK = 0,
    WRITE_RUN_VALUE_NO_KEY = 1,      // the Run key can neither be opened nor created
    WRITE_RUN_VALUE_NOT_WRITTEN = 2, // the value was refused
};

// The path in double quotes.
std::u16string QuotedPath(const std::u16string& path);

// HKLM\...\Run: the value `name` (REG_SZ) := the quoted program path.
int32_t WriteRunValue(IRegistry& registry, const std::u16string& name, const std::u16string& programPath);

// The record's key under HKLM, opened or created, with its five values (the uninstall command quoted); the
// key's other values stay. False when the key can neither be opened nor created; the values' outcomes are
// not checked.
bool WriteUninstallInfo(IRegistry& registry, const _REG_UNINSTALL_INFO& info);

} // namespace tonvel
