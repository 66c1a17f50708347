#include "skin/SkinSetting.h"

#include "skin/ValueSyntax.h"

#include <string>

namespace tonvel {

namespace {

#define TONVEL_SKIN_ROW(section, key, component) {u## #section, u## #key, u## #component},
const SKIN_IMAGE_KEY ImageKeys[] = {TONVEL_SKIN_IMAGE_KEYS(TONVEL_SKIN_ROW)};
#undef TONVEL_SKIN_ROW

static_assert(sizeof(ImageKeys) / sizeof(ImageKeys[0]) == SkinImageCount);

const std::u16string SectionOrder[] = {u"Main", u"EQ", u"3D", u"Effect", u"Mic", u"Virtual7ch1", u"About"};

std::u16string SectionName(const char16_t* token) {
    const std::u16string name = token;
    return name == u"D3" ? u"3D" : name;
}

// Reads `count` items of a numeric key. Items the value leaves out keep their value; an item that is
// present but empty or not a whole number, or a missing key, is an error.
bool ReadNumbers(const ProfileReader& read, const std::u16string& section, const std::u16string& key,
                 size_t count, SKIN_NUMBERS& numbers, PANEL_STATUS& status) {
    const std::vector<std::u16string> items = SplitValue(read(section, key), count);
    if (items.empty()) {
        status = InvalidIntegerStatus(u"");
        return false;
    }
    numbers.Has.fill(false);
    for (size_t i = 0; i < items.size(); ++i) {
        int32_t value = 0;
        if (!ParseInteger(items[i], value)) {
            status = InvalidIntegerStatus(items[i]);
            return false;
        }
        numbers.Value[i] = value;
        numbers.Has[i] = true;
    }
    return true;
}

std::u16string NumberText(int32_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

const SKIN_IMAGE_KEY& SkinImageKey(SKIN_IMAGE image) {
    return ImageKeys[static_cast<size_t>(image)];
}

double _SKIN_METRICS::SpeakerRatio() const {
    if (PreviousSpeakerRadius <= 0) return 1.0;
    return static_cast<double>(SpeakerRadius) / static_cast<double>(PreviousSpeakerRadius);
}

bool ParseSkinImageValue(const std::u16string& value, _SKIN_IMAGE_INFO& info, std::u16string& bad) {
    const std::vector<std::u16string> items = SplitValue(value, 5);
    if (items.empty()) return true;
    info.FileName = items[0].substr(0, SkinFileNameMax);
    int32_t* fields[] = {&info.Left, &info.Top, &info.Width, &info.Height};
    bool* flags[] = {&info.HasLeft, &info.HasTop, &info.HasWidth, &info.HasHeight};
    for (size_t i = 1; i < items.size(); ++i) {
        if (items[i].empty()) continue;
        if (!ParseInteger(items[i], *fields[i - 1])) {
            bad = items[i];
            return false;
        }
        *flags[i - 1] = true;
    }
    return true;
}

PANEL_STATUS CSkinSetting::Load(const ProfileReader& read) {
    m_Images.fill(_SKIN_IMAGE_INFO{});
    PANEL_STATUS status;
    SKIN_NUMBERS numbers;
    for (const std::u16string& section : SectionOrder) {
        for (int i = 0; i < SkinImageCount; ++i) {
            if (SectionName(ImageKeys[i].Section) != section) continue;
            std::u16string bad;
            if (!ParseSkinImageValue(read(section, ImageKeys[i].Key), m_Images[static_cast<size_t>(i)], bad))
                return InvalidIntegerStatus(bad);
        }
        if (section == u"Main") {
            if (!ReadNumbers(read, section, u"BackNotebook", 4, m_BackNotebook, status)) return status;
        } else if (section == u"EQ") {
            if (!ReadNumbers(read, section, u"EQPanel", 2, m_EqPanel, status)) return status;
            if (!ReadNumbers(read, section, u"EQSlider", 2, numbers, status)) return status;
            if (numbers.Has[0]) m_Metrics.EqSliderTop = numbers.Value[0];
            if (numbers.Has[1]) m_Metrics.SliderTravel = numbers.Value[1];
        } else if (section == u"Effect") {
            if (!ReadNumbers(read, section, u"EffectPanel", 2, m_EffectPanel, status)) return status;
        } else if (section == u"Mic") {
            if (!ReadNumbers(read, section, u"MicPanel", 2, m_MicPanel, status)) return status;
            if (!ReadNumbers(read, section, u"MicSlider", 2, numbers, status)) return status;
            if (numbers.Has[0]) m_Metrics.MicSliderTop = numbers.Value[0];
            if (numbers.Has[1]) m_Metrics.SliderTravel = numbers.Value[1];
            if (!ReadNumbers(read, section, u"MicProgressLength", 1, numbers, status)) return status;
            m_Metrics.MicProgressLength = numbers.Value[0];
            // The thumbs' positions are divided by the travel, so one of 0 or less is a bad value.
            if (m_Metrics.SliderTravel <= 0) return InvalidIntegerStatus(NumberText(m_Metrics.SliderTravel));
        } else if (section == u"Virtual7ch1") {
            if (!ReadNumbers(read, section, u"VirtualPanel", 2, m_VirtualPanel, status)) return status;
            if (!ReadNumbers(read, section, u"VirtualCenter", 3, numbers, status)) return status;
            m_Metrics.SpeakerCenterX = numbers.Value[0];
            if (numbers.Has[1]) m_Metrics.SpeakerCenterY = numbers.Value[1];
            if (numbers.Has[2]) {
                m_Metrics.PreviousSpeakerRadius = m_Metrics.SpeakerRadius;
                m_Metrics.SpeakerRadius = numbers.Value[2];
            }
        }
    }
    return status;
}

std::u16string SkinNameFromCaption(const std::u16string& caption) {
    std::u16string name;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size()) name.push_back(caption[++i]);
        } else {
            name.push_back(caption[i]);
        }
    }
    return name.substr(0, SkinNameMax);
}

std::u16string SkinFolderPath(const std::u16string& programFolder, const std::u16string& skinFolderName,
                              const std::u16string& skinName) {
    return programFolder + skinFolderName + u"\\" + skinName + u"\\";
}

} // namespace tonvel
