#include "panel/form/FeaturePartsOf.h"

#include "skin/SkinApply.h"

#include <array>
#include <string_view>

namespace tonvel {
namespace {

template <typename T> T* Typed(ui::CForm& form, std::u16string_view name, ui::ComponentKind kind) {
    ui::CComponent* c = form.Find(name);
    return c && c->Kind() == kind ? static_cast<T*>(c) : nullptr;
}

ui::CImage* Image(ui::CForm& form, std::u16string_view name) {
    return Typed<ui::CImage>(form, name, ui::ComponentKind::Image);
}

ui::CLabel* Label(ui::CForm& form, std::u16string_view name) {
    return Typed<ui::CLabel>(form, name, ui::ComponentKind::Label);
}

template <typename T, size_t N>
void Fill(std::array<T*, N>& parts, T* (*find)(ui::CForm&, std::u16string_view), ui::CForm& form,
          const std::array<std::u16string_view, N>& names) {
    for (size_t i = 0; i < N; ++i)
        parts[i] = find(form, names[i]);
}

EQUALIZER_PARTS EqualizerParts(ui::CForm& form) {
    EQUALIZER_PARTS p;
    Fill(p.Thumbs, Image, form,
         {u"EQ60HzSliderImage", u"EQ300HzSliderImage", u"EQ1200HzSliderImage", u"EQ3600HzSliderImage",
          u"EQ12000HzSliderImage"});
    Fill(p.Bars, Image, form,
         {u"EQ60HzBarImage", u"EQ300HzBarImage", u"EQ1200HzBarImage", u"EQ3600HzBarImage",
          u"EQ12000HzBarImage"});
    Fill(p.ValueLabels, Label, form,
         {u"EQ60HzValueLabel", u"EQ300HzValueLabel", u"EQ1200HzValueLabel", u"EQ3600HzValueLabel",
          u"EQ12000HzValueLabel"});
    Fill(p.PresetButtons, Image, form, {u"EQS1Image", u"EQS2Image", u"EQS3Image", u"EQS4Image"});
    p.Enable = Image(form, u"EQEQENImage");
    p.Reset = Image(form, u"EQResetImage");
    p.Sync = Image(form, u"SyncImage");
    return p;
}

SOUND3D_PARTS Sound3DParts(ui::CForm& form) {
    SOUND3D_PARTS p;
    Fill(p.Thumbs, Image, form,
         {u"D3LBetaSliderImage", u"D3LAlphaSliderImage", u"D3RBetaSliderImage", u"D3RAlphaSliderImage"});
    Fill(p.ValueLabels, Label, form,
         {u"D3LBetaValueLabel", u"D3LAlphaValueLabel", u"D3RBetaValueLabel", u"D3RAlphaValueLabel"});
    p.Fbm = Image(form, u"D3FBMImage");
    p.Reset = Image(form, u"D3ResetImage");
    p.AlphaConnection = Image(form, u"D3AlphaImage");
    p.BetaConnection = Image(form, u"D3BetaImage");
    p.EqPageSwitch = Image(form, u"EQ3DENImage");
    p.Sound3DPageSwitch = Image(form, u"D33DENImage");
    return p;
}

MICROPHONE_PARTS MicrophoneParts(ui::CForm& form) {
    MICROPHONE_PARTS p;
    p.Thumb = Image(form, u"MicSliderImage");
    p.Bar = Image(form, u"MicBarImage");
    p.LevelBar = Image(form, u"MicProgressImage");
    p.ValueLabel = Label(form, u"MicValueLabel");
    p.Boost = Image(form, u"MicBoostImage");
    p.Mute = Image(form, u"MicMuteImage");
    return p;
}

EFFECTS_PARTS EffectsParts(ui::CForm& form) {
    EFFECTS_PARTS p;
    for (size_t i = 0; i < EffectButtonParts; ++i)
        p.Buttons[i] = Image(form, EffectButtonComponent(static_cast<int32_t>(i) + 1));
    p.Picture = Image(form, u"EffectPicImage");
    return p;
}

VIRTUAL_SPEAKERS_PARTS VirtualSpeakersParts(ui::CForm& form) {
    VIRTUAL_SPEAKERS_PARTS p;
    Fill(p.Icons, Image, form,
         {u"VirtualLImage", u"VirtualRImage", u"VirtualCImage", u"VirtualSUBImage", u"VirtualLSImage",
          u"VirtualRSImage", u"VirtualLBImage", u"VirtualRBImage"});
    p.Listener = Image(form, u"VirtualPicImage");
    p.Enable = Image(form, u"VirtualEnableImage");
    p.Clockwise = Image(form, u"VirtualClockwiseImage");
    p.Counterclockwise = Image(form, u"VirtualCounterclockwiseImage");
    return p;
}

template <typename T, size_t N>
void Append(std::vector<const ui::CComponent*>& all, const std::array<T*, N>& parts) {
    all.insert(all.end(), parts.begin(), parts.end());
}

} // namespace

FEATURE_PARTS FeaturePartsOf(ui::CForm& form) {
    FEATURE_PARTS parts{EqualizerParts(form), Sound3DParts(form),         MicrophoneParts(form),
                        EffectsParts(form),   VirtualSpeakersParts(form), LED_PARTS{},
                        PROFILES_PARTS{}};
    parts.Led.Switch = Image(form, u"LEDImage");
    parts.Profiles.SaveButton = Image(form, u"Menu1Image");
    parts.Profiles.LoadButton = Image(form, u"Menu2Image");
    return parts;
}

std::vector<const ui::CComponent*> AllFeatureParts(const FEATURE_PARTS& parts) {
    std::vector<const ui::CComponent*> all;
    const EQUALIZER_PARTS& eq = parts.Equalizer;
    Append(all, eq.Thumbs);
    Append(all, eq.Bars);
    Append(all, eq.ValueLabels);
    Append(all, eq.PresetButtons);
    all.insert(all.end(), {eq.Enable, eq.Reset, eq.Sync});
    const SOUND3D_PARTS& d3 = parts.Sound3D;
    Append(all, d3.Thumbs);
    Append(all, d3.ValueLabels);
    all.insert(all.end(), {d3.Fbm, d3.Reset, d3.AlphaConnection, d3.BetaConnection, d3.EqPageSwitch,
                           d3.Sound3DPageSwitch});
    const MICROPHONE_PARTS& mic = parts.Microphone;
    all.insert(all.end(), {mic.Thumb, mic.Bar, mic.LevelBar, mic.ValueLabel, mic.Boost, mic.Mute});
    Append(all, parts.Effects.Buttons);
    all.push_back(parts.Effects.Picture);
    const VIRTUAL_SPEAKERS_PARTS& virt = parts.VirtualSpeakers;
    Append(all, virt.Icons);
    all.insert(all.end(), {virt.Listener, virt.Enable, virt.Clockwise, virt.Counterclockwise});
    all.insert(all.end(), {parts.Led.Switch, parts.Profiles.SaveButton, parts.Profiles.LoadButton});
    return all;
}

} // namespace tonvel
