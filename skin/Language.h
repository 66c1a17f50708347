#pragma once
// Language.ini of one language folder: the global font and the 48 label styles, the no-device warning
// text, and the seven label overrides a skin's "MainLable" section may give.

#include "skin/LabelStyle.h"
#include "skin/ProfileReader.h"
#include "skin/SkinApply.h"

#include <array>
#include <cstdint>
#include <string>

namespace tonvel {

// The state in which a label is drawn with its colour down ("selected").
enum class LABEL_SELECTED {
    Never,
    PageShown, // the page of this tab is shown
    EqEnabled,
    D3Enabled,
    Preset, // that preset is the current one
    FbmOn,
    Effect, // that effect is the current one
    MicBoost,
    MicMute,
    VirtualEnabled,
    Clockwise,
    Counterclockwise,
};

struct LABEL_KEY {
    const char16_t* Section;
    const char16_t* Key;
    const char16_t* Component; // the label (nullptr for "LabelWarning", which is a message text)
    LABEL_SELECTED Selected;
    int32_t Which; // page index, preset 1..4 or effect 1..5 for the rules that need one
};

inline constexpr size_t LabelKeyCount = 48;
// The keys in reading order ("LabelWarning" last).
const std::array<LABEL_KEY, LabelKeyCount>& LabelKeys();
// Index of a key in LabelKeys(), or -1.
int LabelKeyIndex(const std::u16string& key);

// The seven keys a skin may override (without their text).
inline constexpr size_t LabelOverrideCount = 7;
const std::array<const char16_t*, LabelOverrideCount>& LabelOverrideKeys();

class CLanguage {
public:
    // Clears every style and reads "GlobalFont" and the label keys. Stops at the first bad number.
    PANEL_STATUS Load(const ProfileReader& read);
    // Reads a skin's "MainLable" section into the same styles, leaving the texts alone.
    PANEL_STATUS ReadOverrides(const ProfileReader& readSkin);

    _LABEL_STYLE_INFO& Style(size_t index) { return m_Styles[index]; }
    const _LABEL_STYLE_INFO& Style(size_t index) const { return m_Styles[index]; }
    _LABEL_STYLE_INFO* Style(const std::u16string& key);
    const _GLOBAL_FONT_INFO& GlobalFont() const { return m_GlobalFont; }
    // The message shown when a feature control is used while no device is connected.
    const std::u16string& WarningText() const;

private:
    _GLOBAL_FONT_INFO m_GlobalFont;
    std::array<_LABEL_STYLE_INFO, LabelKeyCount> m_Styles;
};

// Whether a label is drawn with its colour up in the given state (`pageShown` is the page index 0..4).
bool LabelDrawnUp(const LABEL_KEY& key, const SKIN_FEATURE_STATE& state, int32_t pageShown);

// Tags whose press warns while no device is connected: page tabs and every tagged button except close (0),
// minimise (1), About (4), the 3D connection pictures (14, 15), the synchronisation switch (28) and the
// rotation buttons (49, 50).
bool TagNeedsDevice(int32_t tag);

// The no-device message box: text, caption, OK button and exclamation icon.
inline constexpr uint32_t WarningBoxFlags = 0x00000030; // MB_OK | MB_ICONEXCLAMATION
struct WARNING_BOX {
    std::u16string Text;
    std::u16string Caption;
    uint32_t Flags = WarningBoxFlags;
};
WARNING_BOX NoDeviceWarning(const CLanguage& language, const std::u16string& installAppTitle);

// The OS generation code from the version query: platform 1 (Windows 9x) 4.10 -> 1, 4.90 -> 3; platform 2
// (NT) 5.0 -> 2, 5.1 -> 4, major above 5 -> 6; anything else, and a failed query, 0.
int32_t OsGenerationCode(bool queryOk, uint32_t platformId, uint32_t major, uint32_t minor);

// language root + folder + "\Language.ini"
std::u16string LanguageFilePath(const std::u16string& programFolder, const std::u16string& languageFolderName,
                                const std::u16string& language);
// %APPDATA% + "\" + InstallFolderName + "\AudioConfig.cfg"
std::u16string UserConfigPath(const std::u16string& appData, const std::u16string& installFolderName);

} // namespace tonvel
