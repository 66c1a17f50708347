#pragma once
// The files the setup copies from its source folder into the install folder, as the product ships them:
// every file of the skin, language and manual folders, listed when the program is built. The uninstaller
// deletes exactly these (and the fixed files it knows by name), so that a file someone else put into the
// install folder stays.

#include "foundation/config/ApplicationFolderPath.h"
#include "installation/InstallationNames.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tonvel {

enum class SHIPPED_ROOT : int32_t {
    Skin,     // below InstallFolderFullPath + SkinFolderName
    Language, // below InstallFolderFullPath + LanguageFolderName
    Manual,   // below InstallFolderFullPath + ManualFolderName
};

struct SHIPPED_FILE {
    SHIPPED_ROOT Root;
    const char16_t* Path; // relative to the root folder, with backslashes
};

std::span<const SHIPPED_FILE> ShippedFiles();

// The shipped file's path in the install folder; empty when the configuration names no folder for its root.
std::u16string ShippedFilePath(const _APPLICATION_FOLDER_PATH& folders, const SHIPPED_FILE& shipped);
// Adds each folder between `base` (with its trailing backslash) and the file `path` below it that the list
// does not hold yet, outermost first.
void AddHoldingFolders(const std::u16string& base, const std::u16string& path,
                       std::vector<std::u16string>& folders);

} // namespace tonvel
