#include "uninstall/engine/UninstallTexts.h"

#include "foundation/config/IniString.h"
#include "installation/InstallationPaths.h"

namespace tonvel {

namespace {

inline constexpr char16_t LanguageSection[] = u"Language";
inline constexpr char16_t DefaultLanguageKey[] = u"DefaultLanguage";
inline constexpr char16_t UninstallSection[] = u"Uninstall";
inline constexpr char16_t UninstallTitleKey[] = u"UninstallAppTitle";
inline constexpr char16_t LanguageFileName[] = u"Language.ini";

constexpr std::array<std::u16string_view, UninstallTextCount> English = {
    u"Do you want to remove Tonvel 7.1 Audio and all of its parts from this computer?",
    u"Do you want to keep your settings and profiles for a later installation?",
    u"Removing Tonvel 7.1 Audio...",
    u"Tonvel 7.1 Audio was removed from this computer.",
    u"Please restart Windows to finish the removal.",
    u"The following could not be removed:",
    u"You need administrator rights to remove Tonvel 7.1 Audio. Nothing was removed.",
    u"The installed configuration (AudioConfig.cfg) is missing. Nothing was removed.",
    u"in use; it is deleted when Windows restarts",
    u"holds files that Setup did not install:",
    u"still running",
    u"did not stop; it is removed when Windows restarts",
    u"Windows refused, error",
    u"a device still names it; its filter list could not be written",
    u"kept while a device may still name it",
    u"The removal of Tonvel 7.1 Audio is already running."};

} // namespace

UNINSTALL_TEXTS DefaultUninstallTexts() {
    UNINSTALL_TEXTS texts;
    texts.Caption = u"Uninstall";
    for (size_t i = 0; i < UninstallTextCount; ++i)
        texts.Text[i] = std::u16string(English[i]);
    return texts;
}

std::u16string InstalledLanguageFile(IProfileStrings& profile, const _APPLICATION_FOLDER_PATH& folders) {
    std::u16string language;
    if (ReadIniString(profile, InstalledConfigPath(folders), LanguageSection, DefaultLanguageKey, language) !=
            0 ||
        folders.LanguageFolderName.empty())
        return {};
    return folders.InstallFolderFullPath + folders.LanguageFolderName + u"\\" + language + u"\\" +
           LanguageFileName;
}

UNINSTALL_TEXTS LoadUninstallTexts(IProfileStrings& profile, const _APPLICATION_FOLDER_PATH& folders) {
    UNINSTALL_TEXTS texts = DefaultUninstallTexts();
    ReadIniString(profile, InstalledConfigPath(folders), UninstallSection, UninstallTitleKey, texts.Caption);
    const std::u16string file = InstalledLanguageFile(profile, folders);
    if (file.empty()) return texts;
    for (size_t i = 0; i < UninstallTextCount; ++i)
        ReadIniString(profile, file, UninstallLanguageSection, std::u16string(UninstallTextKeys[i]),
                      texts.Text[i]);
    return texts;
}

} // namespace tonvel
