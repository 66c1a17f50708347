#include "skin/Language.h"

#include "foundation/config/ProductNames.h"
#include "skin/ComponentTags.h"

namespace tonvel {

namespace {

using S = LABEL_SELECTED;

const std::array<LABEL_KEY, LabelKeyCount> LabelKeyTable = {{
    {u"Main", u"LabelMenu1", u"Menu1Label", S::Never, 0},
    {u"Main", u"LabelMenu2", u"Menu2Label", S::Never, 0},
    {u"Main", u"LabelMenu3", u"Menu3Label", S::Never, 0},
    {u"Main", u"LabelPageEQ", u"PageEQLabel", S::PageShown, 0},
    {u"Main", u"LabelPage3D", u"Page3DLabel", S::PageShown, 1},
    {u"Main", u"LabelPageEffect", u"PageEffectLabel", S::PageShown, 2},
    {u"Main", u"LabelPageMic", u"PageMicLabel", S::PageShown, 3},
    {u"Main", u"LabelPageVirtual7ch1", u"PageVirtual7p1Label", S::PageShown, 4},
    {u"Main", u"LabelActive", u"DeviceActiveLabel", S::Never, 0},
    {u"Main", u"LabelUnactive", u"DeviceActiveLabel", S::Never, 0},
    {u"Main", u"LabelSync", u"SyncLabel", S::Never, 0},
    {u"Main", u"LabelSetting", u"SettingLabel", S::Never, 0},
    {u"Main", u"LabelSX", u"SXLabel", S::Never, 0},
    {u"Main", u"LabelFeatures", u"FeaturesLabel", S::Never, 0},
    {u"Main", u"LabelCompanyName", u"CompanyNameLabel", S::Never, 0},
    {u"EQ", u"LabelEQEnable", u"EQEQENLabel", S::EqEnabled, 0},
    {u"EQ", u"LableEQ3DEnable", u"EQ3DENLabel", S::D3Enabled, 0},
    {u"EQ", u"LabelEQReset", u"EQResetLabel", S::Never, 0},
    {u"EQ", u"LabelEQS1", u"EQS1Label", S::Preset, 1},
    {u"EQ", u"LabelEQS2", u"EQS2Label", S::Preset, 2},
    {u"EQ", u"LabelEQS3", u"EQS3Label", S::Preset, 3},
    {u"EQ", u"LabelEQS4", u"EQS4Label", S::Preset, 4},
    {u"EQ", u"LabelEQ60Hz", u"EQ60HzLabel", S::Never, 0},
    {u"EQ", u"LabelEQ300Hz", u"EQ300HzLabel", S::Never, 0},
    {u"EQ", u"LabelEQ1200Hz", u"EQ1200HzLabel", S::Never, 0},
    {u"EQ", u"LabelEQ3600Hz", u"EQ3600HzLabel", S::Never, 0},
    {u"EQ", u"LabelEQ12000Hz", u"EQ12000HzLabel", S::Never, 0},
    {u"3D", u"Label3DEnable", u"D33DENLabel", S::D3Enabled, 0},
    {u"3D", u"Label3DFBM", u"D3FBMLabel", S::FbmOn, 0},
    {u"3D", u"Label3DReset", u"D3ResetLabel", S::Never, 0},
    {u"3D", u"Label3DLeftChannel", u"D3LChannelLabel", S::Never, 0},
    {u"3D", u"Label3DRightChannel", u"D3RChannelLabel", S::Never, 0},
    {u"3D", u"Label3DConnection", u"D3ConnectLabel", S::Never, 0},
    {u"Effect", u"LabelEffectNothing", u"EffectNonLabel", S::Effect, 1},
    {u"Effect", u"LabelEffectTheater", u"EffectTheaterLabel", S::Effect, 2},
    {u"Effect", u"LabelEffectBathroom", u"EffectBathroomLabel", S::Effect, 3},
    {u"Effect", u"LabelEffectLivingroom", u"EffectLivingroomLabel", S::Effect, 4},
    {u"Effect", u"LabelEffectStoneGallery", u"EffectStoneGalleryLabel", S::Effect, 5},
    {u"Mic", u"LabelMicBoost", u"MicBoostLabel", S::MicBoost, 0},
    {u"Mic", u"LabelMicMute", u"MicMuteLabel", S::MicMute, 0},
    {u"Mic", u"LabelMicGain", u"MicGainLabel", S::Never, 0},
    {u"Mic", u"LabelMicValue", u"MicValueLabel", S::Never, 0},
    {u"Virtual7ch1", u"Label7ch1Enable", u"VirtualENLabel", S::VirtualEnabled, 0},
    {u"Virtual7ch1", u"LabelVirtualClockwise", u"VirtualClockwiseLabel", S::Clockwise, 0},
    {u"Virtual7ch1", u"LabelVirtualCounterclockwise", u"VirtualCounterclockwiseLabel", S::Counterclockwise,
     0},
    {u"Virtual7ch1", u"Label7ch1Reset", u"VirtualResetLabel", S::Never, 0},
    {u"About", u"LabelAbout", u"AboutLabel", S::Never, 0},
    {u"Main", u"LabelWarning", nullptr, S::Never, 0},
}};

const std::array<const char16_t*, LabelOverrideCount> OverrideKeys = {
    u"LabelMenu1",    u"LabelMenu2",   u"LabelMenu3", u"LabelActive",
    u"LabelUnactive", u"LabelSetting", u"LabelSX"};

} // namespace

const std::array<LABEL_KEY, LabelKeyCount>& LabelKeys() {
    return LabelKeyTable;
}
const std::array<const char16_t*, LabelOverrideCount>& LabelOverrideKeys() {
    return OverrideKeys;
}

int LabelKeyIndex(const std::u16string& key) {
    for (size_t i = 0; i < LabelKeyTable.size(); ++i)
        if (key == LabelKeyTable[i].Key) return static_cast<int>(i);
    return -1;
}

_LABEL_STYLE_INFO* CLanguage::Style(const std::u16string& key) {
    const int index = LabelKeyIndex(key);
    return index < 0 ? nullptr : &m_Styles[static_cast<size_t>(index)];
}

const std::u16string& CLanguage::WarningText() const {
    return m_Styles[LabelKeyCount - 1].Text;
}

PANEL_STATUS CLanguage::Load(const ProfileReader& read) {
    m_Styles.fill(_LABEL_STYLE_INFO{});
    m_GlobalFont = _GLOBAL_FONT_INFO{};
    PANEL_STATUS status = ParseGlobalNumber(read(u"GlobalFont", u"ColorUp"), m_GlobalFont.ColorUp);
    if (!status.Ok()) return status;
    status = ParseGlobalNumber(read(u"GlobalFont", u"ColorDown"), m_GlobalFont.ColorDown);
    if (!status.Ok()) return status;
    m_GlobalFont.FontName = read(u"GlobalFont", u"Font").substr(0, LabelFontNameMax);
    status = ParseGlobalNumber(read(u"GlobalFont", u"FontSize"), m_GlobalFont.FontSize);
    if (!status.Ok()) return status;
    for (size_t i = 0; i < LabelKeyTable.size(); ++i) {
        status = ParseLabelValue(read(LabelKeyTable[i].Section, LabelKeyTable[i].Key), true, m_Styles[i]);
        if (!status.Ok()) return status;
    }
    return status;
}

PANEL_STATUS CLanguage::ReadOverrides(const ProfileReader& readSkin) {
    for (const char16_t* key : OverrideKeys) {
        const PANEL_STATUS status = ParseLabelValue(readSkin(u"MainLable", key), false, *Style(key));
        if (!status.Ok()) return status;
    }
    return {};
}

bool LabelDrawnUp(const LABEL_KEY& key, const SKIN_FEATURE_STATE& state, int32_t pageShown) {
    switch (key.Selected) {
    case S::Never:
        return true;
    case S::PageShown:
        return pageShown != key.Which;
    case S::EqEnabled:
        return !state.EqEnabled;
    case S::D3Enabled:
        return !state.D3Enabled;
    case S::Preset:
        return state.Preset != key.Which;
    case S::FbmOn:
        return !state.FbmOn;
    case S::Effect:
        return state.Effect != key.Which;
    case S::MicBoost:
        return !state.MicBoost;
    case S::MicMute:
        return !state.MicMute;
    case S::VirtualEnabled:
        return !state.VirtualEnabled;
    case S::Clockwise:
        return !state.Clockwise;
    case S::Counterclockwise:
        return !state.Counterclockwise;
    }
    return true;
}

bool TagNeedsDevice(int32_t tag) {
    switch (tag) {
    case TagClose:
    case TagMinimize:
    case TagAbout:
    case TagAlphaConnection:
    case TagBetaConnection:
    case TagSync:
    case TagClockwise:
    case TagCounterclockwise:
        return false;
    default:
        return TagIn(tag, TagSaveProfile, TagLed) || TagIn(tag, TagEqBarFirst, TagEqBarLast) ||
               tag == TagMicBar;
    }
}

WARNING_BOX NoDeviceWarning(const CLanguage& language, const std::u16string& installAppTitle) {
    WARNING_BOX box;
    box.Text = LabelTextShown(language.WarningText()) ? language.WarningText() : std::u16string();
    box.Caption = installAppTitle;
    return box;
}

int32_t OsGenerationCode(bool queryOk, uint32_t platformId, uint32_t major, uint32_t minor) {
    if (!queryOk) return 0;
    if (platformId == 1 && major == 4) {
        if (minor == 10) return 1;
        if (minor == 90) return 3;
        return 0;
    }
    if (platformId == 2) {
        if (major == 5 && minor == 0) return 2;
        if (major == 5 && minor == 1) return 4;
        if (major > 5) return 6;
    }
    return 0;
}

std::u16string LanguageFilePath(const std::u16string& programFolder, const std::u16string& languageFolderName,
                                const std::u16string& language) {
    return programFolder + languageFolderName + u"\\" + language + u"\\Language.ini";
}

std::u16string UserConfigPath(const std::u16string& appData, const std::u16string& installFolderName) {
    return appData + u"\\" + installFolderName + u"\\" + ConfigFileName;
}

} // namespace tonvel
