#pragma once
// The setup's language files: the eighteen entries of section "Setup" of Language.ini with the setup's own
// value rules, and the language folders offered in the wizard's list.

#include "skin/LabelStyle.h"
#include "ui/core/UiError.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tonvel {

class IProfileStrings;

// The entries in reading order; the wizard keeps one record per entry in this order.
enum SETUP_LABEL : size_t {
    LabelBackBtn,
    LabelNextBtn,
    LabelFinishBtn,
    LabelCancelBtn,
    LabelSelectLang,
    LabelVersion,
    LabelAudioExt,
    LabelInstall,
    LabelReboot,
    LabelRebootRadioBtn,
    LabelNoRebootRadioBtn,
    LabelTitle,
    LabelWarning1,
    LabelWarning2,
    LabelWarning3,
    LabelWarning4,
    LabelWarning5,
    LabelWarning6,
    SetupLabelCount
};

inline constexpr std::array<std::u16string_view, SetupLabelCount> SetupLabelKeys = {
    u"LabelBackBtn",          u"LabelNextBtn",  u"LabelFinishBtn", u"LabelCancelBtn", u"LabelSelectLang",
    u"LabelVersion",          u"LabelAudioExt", u"LabelInstall",   u"LabelReboot",    u"LabelRebootRadioBtn",
    u"LabelNoRebootRadioBtn", u"LabelTitle",    u"LabelWarning1",  u"LabelWarning2",  u"LabelWarning3",
    u"LabelWarning4",         u"LabelWarning5", u"LabelWarning6"};

using SETUP_LABELS = std::array<_LABEL_STYLE_INFO, SetupLabelCount>;

inline constexpr char16_t SetupLanguageSection[] = u"Setup";
inline constexpr char16_t LanguageFileName[] = u"Language.ini";

// One value: split at every comma (no quoting), items beyond the ninth ignored. The first item always
// replaces the text (cut to 127 units); the others, when not empty, set their field and its flag: colour,
// second colour, font name (cut to 63 units), size, left, top, width, height. A number that is not a whole
// decimal number is the framework's conversion error: the fields before it are set, the later ones not.
int32_t ParseSetupLabelValue(std::u16string_view value, _LABEL_STYLE_INFO& style, ui::CUiError* error);

// Reads the eighteen entries of section "Setup" of the language file in order (a missing one reads as an
// empty value). Stops at the first conversion error; the records read before keep their new content.
int32_t LoadSetupLabels(IProfileStrings& profile, const std::u16string& languageFile, SETUP_LABELS& labels,
                        ui::CUiError* error);

// A language folder's name: the last component of its path (no trailing backslash).
std::u16string LanguageFolderNameOf(std::u16string_view folderPath);

struct LANGUAGE_CHOICE {
    std::u16string Folder;      // the language folder's name
    std::u16string DisplayName; // from section "MultiLanguageFolderMap" of the configuration
};

// The languages the wizard offers: the given language folders (full paths, in list order) that have a
// display name in the configuration file.
std::vector<LANGUAGE_CHOICE> OfferedLanguages(IProfileStrings& profile, const std::u16string& configFile,
                                              const std::vector<std::u16string>& folderPaths);

} // namespace tonvel
