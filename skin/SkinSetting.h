#pragma once
// SkinSetting.ini of one skin folder: the 128 picture entries, the page container and page sizes, and the
// slider, level-bar and speaker-circle metrics.

#include "skin/PanelStatus.h"
#include "skin/ProfileReader.h"
#include "skin/SkinKeys.h"

#include <array>
#include <cstdint>
#include <string>

namespace tonvel {

enum class SKIN_IMAGE : int {
#define TONVEL_SKIN_ENUM(section, key, component) section##_##key,
    TONVEL_SKIN_IMAGE_KEYS(TONVEL_SKIN_ENUM)
#undef TONVEL_SKIN_ENUM
        Count
};
inline constexpr int SkinImageCount = static_cast<int>(SKIN_IMAGE::Count);

struct SKIN_IMAGE_KEY {
    const char16_t* Section;
    const char16_t* Key;
    const char16_t* Component;
};
const SKIN_IMAGE_KEY& SkinImageKey(SKIN_IMAGE image);

inline constexpr size_t SkinFileNameMax = 63;
inline constexpr size_t SkinNameMax = 127;

// One picture entry; an empty file name hides the component.
struct _SKIN_IMAGE_INFO {
    std::u16string FileName;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    bool HasLeft = false;
    bool HasTop = false;
    bool HasWidth = false;
    bool HasHeight = false;
};

struct _SKIN_METRICS {
    int32_t EqSliderTop = 0;
    int32_t MicSliderTop = 0;
    int32_t SliderTravel = 0; // shared by the EQ and mic thumbs; "MicSlider" is read last and wins
    int32_t MicProgressLength = 0;
    int32_t SpeakerCenterX = 0;
    int32_t SpeakerCenterY = 0;
    int32_t SpeakerRadius = 0;
    int32_t PreviousSpeakerRadius = 1;

    // New radius over the previous one, for moving the speaker icons at a skin switch; 1 while the
    // previous radius is not a usable divisor.
    double SpeakerRatio() const;
};

// A numeric key with up to four items; an item the value left out keeps what was there.
struct SKIN_NUMBERS {
    std::array<int32_t, 4> Value{};
    std::array<bool, 4> Has{};
};

class CSkinSetting {
public:
    // Clears the entries and reads the file through `read` in the fixed order. Stops at the first bad or
    // missing number with an invalid-integer status naming it, and refuses a slider travel of 0 or less
    // the same way; what was read before stays.
    PANEL_STATUS Load(const ProfileReader& read);

    const _SKIN_IMAGE_INFO& Image(SKIN_IMAGE image) const { return m_Images[static_cast<size_t>(image)]; }
    const _SKIN_METRICS& Metrics() const { return m_Metrics; }
    _SKIN_METRICS& Metrics() { return m_Metrics; }

    SKIN_NUMBERS m_BackNotebook; // left, top, width, height of the page container
    SKIN_NUMBERS m_EqPanel;      // width, height
    SKIN_NUMBERS m_EffectPanel;  // width, height
    SKIN_NUMBERS m_MicPanel;     // width, height
    SKIN_NUMBERS m_VirtualPanel; // width, height

private:
    std::array<_SKIN_IMAGE_INFO, SkinImageCount> m_Images;
    _SKIN_METRICS m_Metrics;
};

// Reads one picture value: file, left, top, width, height; trailing items may be left out and numeric
// items may be empty. Fails on a numeric item that is not a whole number (`bad` names it).
bool ParseSkinImageValue(const std::u16string& value, _SKIN_IMAGE_INFO& info, std::u16string& bad);

// The skin name from a Skin menu caption: each "&" is dropped and the character after it kept.
std::u16string SkinNameFromCaption(const std::u16string& caption);

// program folder + skin folder name + "\" + skin name + "\"
std::u16string SkinFolderPath(const std::u16string& programFolder, const std::u16string& skinFolderName,
                              const std::u16string& skinName);

} // namespace tonvel
