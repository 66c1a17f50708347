#pragma once
// The uninstaller's texts in the installed language: section "Uninstall" of the Language.ini of the
// language chosen at install ("DefaultLanguage" of the installed AudioConfig.cfg). An entry the file does
// not give keeps its English text. The texts are read before the removal starts, while the language folder
// is still there.

#include "foundation/config/ApplicationFolderPath.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tonvel {

class IProfileStrings;

enum UNINSTALL_TEXT : size_t {
    LabelUninstallConfirm,      // the question before anything is removed
    LabelUninstallKeepSettings, // keep the settings and profiles? (Yes keeps them)
    LabelUninstallProgress,     // shown in the progress window
    LabelUninstallDone,         // everything removed
    LabelUninstallRestart,      // something goes at the next restart
    LabelUninstallNotRemoved,   // heading of the list of what stays
    LabelUninstallNoAdmin,      // no administrator rights: nothing removed
    LabelUninstallNoConfig,     // the installed configuration is missing: nothing removed
    LabelReasonInUse,
    LabelReasonForeignFiles,
    LabelReasonStillRunning,
    LabelReasonServiceRunning,
    LabelReasonError,
    LabelReasonFilterNotWritten,
    LabelReasonDriverStillNamed,
    LabelUninstallRunning, // another uninstaller is removing: this one ends
    UninstallTextCount
};

inline constexpr std::array<std::u16string_view, UninstallTextCount> UninstallTextKeys = {
    u"LabelUninstallConfirm",   u"LabelUninstallKeepSettings",  u"LabelUninstallProgress",
    u"LabelUninstallDone",      u"LabelUninstallRestart",       u"LabelUninstallNotRemoved",
    u"LabelUninstallNoAdmin",   u"LabelUninstallNoConfig",      u"LabelReasonInUse",
    u"LabelReasonForeignFiles", u"LabelReasonStillRunning",     u"LabelReasonServiceRunning",
    u"LabelReasonError",        u"LabelReasonFilterNotWritten", u"LabelReasonDriverStillNamed",
    u"LabelUninstallRunning"};

inline constexpr char16_t UninstallLanguageSection[] = u"Uninstall";

struct UNINSTALL_TEXTS {
    std::u16string Caption; // the message boxes' and the progress window's title
    std::array<std::u16string, UninstallTextCount> Text;

    const std::u16string& operator[](UNINSTALL_TEXT text) const { return Text[text]; }
};

// The English texts and the caption "Uninstall".
UNINSTALL_TEXTS DefaultUninstallTexts();

// The Language.ini of the installed language; empty when the configuration names none.
std::u16string InstalledLanguageFile(IProfileStrings& profile, const _APPLICATION_FOLDER_PATH& folders);

// The texts of that file over the English ones; the caption is "UninstallAppTitle" of the installed
// configuration when it gives one.
UNINSTALL_TEXTS LoadUninstallTexts(IProfileStrings& profile, const _APPLICATION_FOLDER_PATH& folders);

} // namespace tonvel
