#pragma once
// The components each feature works with, handed to it when it is built: the window creates them and
// gives every feature its own, typed, so that no press, drag or state change looks a component up by name.

#include "ui/core/Ui.h"

#include <array>

namespace tonvel {

inline constexpr size_t EqBandParts = 5;
inline constexpr size_t EqPresetParts = 4;
inline constexpr size_t Sound3DThumbParts = 4;
inline constexpr size_t EffectButtonParts = 5;
inline constexpr size_t SpeakerIconParts = 8;

struct EQUALIZER_PARTS {
    std::array<ui::CImage*, EqBandParts> Thumbs{}; // 60 Hz ... 12000 Hz, by tag 29-33
    std::array<ui::CImage*, EqBandParts> Bars{};
    std::array<ui::CLabel*, EqBandParts> ValueLabels{};
    std::array<ui::CImage*, EqPresetParts> PresetButtons{};
    ui::CImage* Enable = nullptr;
    ui::CImage* Reset = nullptr;
    ui::CImage* Sync = nullptr;
};

struct SOUND3D_PARTS {
    std::array<ui::CImage*, Sound3DThumbParts> Thumbs{}; // left beta, left alpha, right beta, right alpha
    std::array<ui::CLabel*, Sound3DThumbParts> ValueLabels{};
    ui::CImage* Fbm = nullptr;
    ui::CImage* Reset = nullptr;
    ui::CImage* AlphaConnection = nullptr;
    ui::CImage* BetaConnection = nullptr;
    ui::CImage* EqPageSwitch = nullptr; // the 3D switch on the EQ page
    ui::CImage* Sound3DPageSwitch = nullptr;
};

struct MICROPHONE_PARTS {
    ui::CImage* Thumb = nullptr;
    ui::CImage* Bar = nullptr;
    ui::CImage* LevelBar = nullptr;
    ui::CLabel* ValueLabel = nullptr;
    ui::CImage* Boost = nullptr;
    ui::CImage* Mute = nullptr;
};

struct EFFECTS_PARTS {
    std::array<ui::CImage*, EffectButtonParts> Buttons{}; // effect 1-5, by tag 16-20
    ui::CImage* Picture = nullptr;
};

struct VIRTUAL_SPEAKERS_PARTS {
    std::array<ui::CImage*, SpeakerIconParts> Icons{}; // by speaker index: L, R, C, SUB, LS, RS, LB, RB
    ui::CImage* Listener = nullptr;                    // its margins hold a dragged icon
    ui::CImage* Enable = nullptr;
    ui::CImage* Clockwise = nullptr;
    ui::CImage* Counterclockwise = nullptr;
};

struct LED_PARTS {
    ui::CImage* Switch = nullptr;
};

struct PROFILES_PARTS {
    ui::CImage* SaveButton = nullptr;
    ui::CImage* LoadButton = nullptr;
};

struct FEATURE_PARTS {
    EQUALIZER_PARTS Equalizer;
    SOUND3D_PARTS Sound3D;
    MICROPHONE_PARTS Microphone;
    EFFECTS_PARTS Effects;
    VIRTUAL_SPEAKERS_PARTS VirtualSpeakers;
    LED_PARTS Led;
    PROFILES_PARTS Profiles;
};

} // namespace tonvel
