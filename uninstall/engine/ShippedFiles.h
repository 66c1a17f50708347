#pragma once
// The files the setup copies from its source folder into the install folder, as the product ships them:
// every file of the skin, language and manual folders, listed when the program is built. The uninstaller
// deletes exactly these (and the fixed files it knows by name), so that a file someone else put into the
// install folder stays.

#include <cstdint>
#include <span>

namespace tonvel {

enum class SHIPPED_ROOT : int32_t {
    Skin,     // below InstallFolderFullPath + SkinFolderName
    Language, // below InstallFolderFullPath + LanguageFolderName
    Manual,   // below InstallFolderFullPath + "Manual"
};

struct SHIPPED_FILE {
    SHIPPED_ROOT Root;
    const char16_t* Path; // relative to the root folder, with backslashes
};

inline constexpr char16_t ManualFolderName[] = u"Manual";
inline constexpr char16_t InstalledConfigFileName[] = u"AudioConfig.cfg";

std::span<const SHIPPED_FILE> ShippedFiles();

} // namespace tonvel
