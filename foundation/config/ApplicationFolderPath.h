#pragma once
// The configuration record of a program: its own location, a few system folders and the names read from
// AudioConfig.cfg. Every field that names a folder ends in a backslash. Default-constructed empty, filled
// once by LoadApplicationConfig.

#include <string>

namespace tonvel {

struct _APPLICATION_FOLDER_PATH {
    // The running program.
    std::u16string SourceAppFileName;
    std::u16string SourceFolderFullPath;
    // System folders.
    std::u16string ProgramFilesFolder;
    std::u16string InstallFolderFullPath;
    std::u16string SystemFolder;
    std::u16string NativeSystemFolder;
    // [Language], [Skin]
    std::u16string LanguageFolderName;
    std::u16string SkinFolderName;
    // [Install]
    std::u16string InstallAppTitle;
    std::u16string InstallIconFileName;
    std::u16string InstallFolderName;
    std::u16string ShortcutFolderName;     // setup only
    std::u16string AppShortcutName;        // setup only
    std::u16string APPFileName;            // setup only
    std::u16string UserManualShortcutName; // setup only
    // [Uninstall], setup only
    std::u16string UninstallShortcutName;
    std::u16string Publisher;
    std::u16string UninstallDisplayName;
    std::u16string UninstallFileName;
};

} // namespace tonvel
