#pragma once
// What the main window shows, read the way a user reads it: the switches by their on pictures (the skins'
// "_Down" pictures), the highlighted preset and effect buttons, the value labels, the thumbs and the
// speaker icons; and what the virtual headset and the filter driver hold for it.

#include "panel/form/tests/ShellFixture.h"

#include <array>
#include <cstdint>
#include <string>

namespace tonvel::test {

inline constexpr int32_t ShownBandCount = 5;
inline constexpr int32_t ShownEffectCount = 5;
inline constexpr int32_t ShownSpeakerCount = 8;
inline constexpr int32_t Shown3DTop = 105, Shown3DMax = 15;

struct PANEL_SHOWN {
    bool Eq = false, Sound3D = false, Fbm = false, Led = false, Virtual = false, Boost = false, Mute = false;
    int32_t Preset = 0; // 1-4; 0 when no preset button shows on
    int32_t Effect = 0; // 1-5; 0 when no effect button shows on
    std::array<int32_t, ShownBandCount> Gains{};
    std::array<int32_t, 4> Values3D{}; // left alpha, left beta, right alpha, right beta
    std::array<int32_t, ShownSpeakerCount * 2> Icons{};
    std::array<int32_t, ShownBandCount> EqTops{};
    std::array<int32_t, 4> Tops3D{};
    int32_t MicPercent = -1;
    int32_t MicTop = 0;

    // What a profile keeps and the next start or a Load shows again (the current preset is not kept), as
    // one line that a failure prints.
    std::string Settings() const {
        std::string text = std::string("EQ ") + (Eq ? "on" : "off") + ", 3D " + (Sound3D ? "on" : "off") +
                           ", FBM " + (Fbm ? "on" : "off") + ", LED " + (Led ? "on" : "off") + ", 7.1 " +
                           (Virtual ? "on" : "off") + ", effect " + std::to_string(Effect) + ", 3D values";
        for (int32_t v : Values3D)
            text += " " + std::to_string(v);
        text += ", icons";
        for (int32_t v : Icons)
            text += " " + std::to_string(v);
        return text;
    }
};

inline bool ShowsOn(TAudioMainForm& form, const char16_t* image) {
    const ui::CImage* c = form.Image(image);
    if (!c) return false;
    const std::u16string& path = c->Picture().Path();
    for (const std::u16string on : {u"_Down.png", u"_On.png"}) // the LED's pictures are "Led_On", "Led_Off"
        if (path.size() >= on.size() && path.compare(path.size() - on.size(), on.size(), on) == 0)
            return true;
    return false;
}

// A label's number as it shows it; -1 when it shows none.
inline int32_t LabelNumber(TAudioMainForm& form, const char16_t* label, int32_t base) {
    const ui::CLabel* c = form.Label(label);
    if (!c || c->Caption().empty()) return -1;
    const std::string text(c->Caption().begin(), c->Caption().end());
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, base);
    return end && *end == '\0' ? static_cast<int32_t>(value) : -1;
}

// `travel`: the skin's slider travel.
inline PANEL_SHOWN ReadShown(TAudioMainForm& form, int32_t travel) {
    static const char16_t* const bandLabels[] = {u"EQ60HzValueLabel", u"EQ300HzValueLabel",
                                                 u"EQ1200HzValueLabel", u"EQ3600HzValueLabel",
                                                 u"EQ12000HzValueLabel"};
    static const char16_t* const bandThumbs[] = {u"EQ60HzSliderImage", u"EQ300HzSliderImage",
                                                 u"EQ1200HzSliderImage", u"EQ3600HzSliderImage",
                                                 u"EQ12000HzSliderImage"};
    static const char16_t* const thumbs3D[] = {u"D3LAlphaSliderImage", u"D3LBetaSliderImage",
                                               u"D3RAlphaSliderImage", u"D3RBetaSliderImage"};
    static const char16_t* const presets[] = {u"EQS1Image", u"EQS2Image", u"EQS3Image", u"EQS4Image"};
    static const char16_t* const icons[] = {u"VirtualLImage",   u"VirtualRImage",  u"VirtualCImage",
                                            u"VirtualSUBImage", u"VirtualLSImage", u"VirtualRSImage",
                                            u"VirtualLBImage",  u"VirtualRBImage"};
    // By tag 16-20: effect 1-5.
    static const char16_t* const effects[] = {u"EffectButtonNonImage", u"EffectButtonTheaterImage",
                                              u"EffectButtonStoneGalleryImage",
                                              u"EffectButtonLivingroomImage", u"EffectButtonBathroomImage"};
    PANEL_SHOWN s;
    s.Eq = ShowsOn(form, u"EQEQENImage");
    s.Sound3D = ShowsOn(form, u"EQ3DENImage");
    s.Fbm = ShowsOn(form, u"D3FBMImage");
    s.Led = ShowsOn(form, u"LEDImage");
    s.Virtual = ShowsOn(form, u"VirtualEnableImage");
    s.Boost = ShowsOn(form, u"MicBoostImage");
    s.Mute = ShowsOn(form, u"MicMuteImage");
    for (int32_t i = 0; i < 4; ++i)
        if (ShowsOn(form, presets[i])) s.Preset = i + 1;
    for (int32_t i = 0; i < ShownEffectCount; ++i)
        if (ShowsOn(form, effects[i])) s.Effect = i + 1;
    for (int32_t b = 0; b < ShownBandCount; ++b) {
        s.Gains[b] = LabelNumber(form, bandLabels[b], 16);
        s.EqTops[b] = form.Image(bandThumbs[b])->Top();
    }
    // The 3D values as the thumbs show them (their labels are hidden until a thumb moves).
    for (int32_t i = 0; i < 4; ++i) {
        s.Tops3D[i] = form.Image(thumbs3D[i])->Top();
        s.Values3D[i] = Shown3DMax - (s.Tops3D[i] - Shown3DTop) * Shown3DMax / travel;
    }
    for (int32_t i = 0; i < ShownSpeakerCount; ++i) {
        s.Icons[2 * i] = form.Image(icons[i])->Left();
        s.Icons[2 * i + 1] = form.Image(icons[i])->Top();
    }
    s.MicPercent = LabelNumber(form, u"MicValueLabel", 10);
    s.MicTop = form.Image(u"MicSliderImage")->Top();
    return s;
}

} // namespace tonvel::test
