#include "foundation/config/ApplicationConfig.h"

#include "foundation/config/IniString.h"
#include "foundation/helpers/DebugTrace.h"
#include "foundation/helpers/Wow64.h"
#include "platform/api/Environment.h"
#include "platform/api/Platform.h"

namespace tonvel {

namespace {

// The system directory is read into a buffer of 260 units.
constexpr size_t MaxPath = 260;

void AppendBackslash(std::u16string& folder) {
    if (folder.empty() || folder.back() != u'\\') folder.push_back(u'\\');
}

struct KEY_FIELD {
    const char16_t* section;
    const char16_t* key;
    std::u16string _APPLICATION_FOLDER_PATH::*field;
    bool setupOnly;
};

constexpr KEY_FIELD Keys[] = {
    {u"Language", u"LanguageFolderName", &_APPLICATION_FOLDER_PATH::LanguageFolderName, false},
    {u"Skin", u"SkinFolderName", &_APPLICATION_FOLDER_PATH::SkinFolderName, false},
    {u"Install", u"InstallAppTitle", &_APPLICATION_FOLDER_PATH::InstallAppTitle, false},
    {u"Install", u"InstallIconFileName", &_APPLICATION_FOLDER_PATH::InstallIconFileName, false},
    {u"Install", u"InstallFolderName", &_APPLICATION_FOLDER_PATH::InstallFolderName, false},
    {u"Install", u"ShortcutFolderName", &_APPLICATION_FOLDER_PATH::ShortcutFolderName, true},
    {u"Install", u"AppShortcutName", &_APPLICATION_FOLDER_PATH::AppShortcutName, true},
    {u"Install", u"APPFileName", &_APPLICATION_FOLDER_PATH::APPFileName, true},
    {u"Install", u"UserManualShortcutName", &_APPLICATION_FOLDER_PATH::UserManualShortcutName, true},
    {u"Uninstall", u"UninstallShortcutName", &_APPLICATION_FOLDER_PATH::UninstallShortcutName, true},
    {u"Uninstall", u"Publisher", &_APPLICATION_FOLDER_PATH::Publisher, true},
    {u"Uninstall", u"UninstallDisplayName", &_APPLICATION_FOLDER_PATH::UninstallDisplayName, true},
    {u"Uninstall", u"UninstallFileName", &_APPLICATION_FOLDER_PATH::UninstallFileName, true},
};

std::u16string Folder(const Platform& platform, int32_t csidl) {
    std::u16string path;
    if (platform.environment == nullptr || platform.environment->FolderPath(csidl, path) != FolderOk)
        path.clear();
    return path;
}

} // namespace

void LoadApplicationConfig(const Platform& platform, CONFIG_PROGRAM program,
                           const std::u16string& configFileName, const std::u16string& programPath,
                           _APPLICATION_FOLDER_PATH& record) {
    const bool setup = program == CONFIG_PROGRAM::Setup;

    // 1. The program's own file and folder.
    const size_t slash = programPath.rfind(u'\\');
    if (slash == std::u16string::npos) {
        record.SourceAppFileName = programPath;
        record.SourceFolderFullPath.clear();
    } else {
        record.SourceAppFileName = programPath.substr(slash + 1);
        record.SourceFolderFullPath = programPath.substr(0, slash + 1);
    }
    // 2.
    if (setup) {
        Trace(platform, u"##### SourceAppFileName = " + record.SourceAppFileName + u"\n");
        Trace(platform, u"##### SourceFolderFullPath = " + record.SourceFolderFullPath + u"\n");
    }
    // 3. and 4. The keys of AudioConfig.cfg beside the program.
    const std::u16string configPath = record.SourceFolderFullPath + configFileName;
    if (platform.profile != nullptr) {
        for (const KEY_FIELD& entry : Keys) {
            if (entry.setupOnly && !setup) continue;
            ReadIniString(*platform.profile, configPath, entry.section, entry.key, record.*entry.field);
        }
    }
    // 5. Program Files and the install folder below it.
    record.ProgramFilesFolder = Folder(platform, FolderProgramFiles);
    AppendBackslash(record.ProgramFilesFolder);
    record.InstallFolderFullPath = record.ProgramFilesFolder + record.InstallFolderName + u"\\";
    // 6. The system folder of the process's bitness.
    const bool wow64 = platform.system != nullptr && IsWow64(*platform.system);
    record.SystemFolder = Folder(platform, (wow64 ? FolderSystemX86 : FolderSystem) | FolderFlagCreate);
    record.SystemFolder.push_back(u'\\');
    // 7. The native system folder, read with redirection switched off under WOW64.
    void* savedState = nullptr;
    const bool redirectionOff = wow64 && DisableFsRedirection(*platform.system, savedState);
    record.NativeSystemFolder =
        platform.environment != nullptr ? platform.environment->SystemDirectory() : u"";
    if (record.NativeSystemFolder.size() >= MaxPath) record.NativeSystemFolder.clear();
    record.NativeSystemFolder.push_back(u'\\');
    if (redirectionOff) RevertFsRedirection(*platform.system, savedState);
}

} // namespace tonvel
