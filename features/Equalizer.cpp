#include "features/Equalizer.h"

#include "features/NameList.h"
#include "features/Thumb.h"
#include "features/ThumbScale.h"
#include "skin/ComponentTags.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tonvel {
namespace {

// The gain as the value labels show it: lower-case hexadecimal.
std::u16string GainText(uint16_t gain) {
    char text[8];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(gain));
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

SKIN_IMAGE PresetButtonImage(int32_t preset, bool down) {
    return static_cast<SKIN_IMAGE>(static_cast<int>(SKIN_IMAGE::EQ_EQS1ImageUp) + 2 * (preset - 1) +
                                   (down ? 1 : 0));
}

} // namespace

int32_t CEqualizer::ThumbMin() const {
    return m_Context.Skin.Metrics().EqSliderTop;
}

int32_t CEqualizer::ThumbMax() const {
    return m_Context.Skin.Metrics().EqSliderTop + m_Context.Skin.Metrics().SliderTravel;
}

int32_t CEqualizer::Travel() const {
    return m_Context.Skin.Metrics().SliderTravel;
}

int32_t CEqualizer::ThumbOffset(int32_t index, int32_t band) const {
    return m_Offsets[static_cast<size_t>(index)][static_cast<size_t>(band)];
}

GRAB_KIND CEqualizer::Grab(const ui::CComponent& component) const {
    if (IsOneOf(component, m_Parts.Thumbs)) return GRAB_KIND::Drag;
    if (IsOneOf(component, m_Parts.Bars)) return GRAB_KIND::Jump;
    return GRAB_KIND::None;
}

void CEqualizer::Jump(ui::CComponent& bar, int32_t cursorY) {
    const int32_t thumbTag = bar.Tag() - TagBarOffset;
    for (ui::CImage* thumb : m_Parts.Thumbs) {
        if (thumb->Tag() != thumbTag) continue;
        JumpThumb(*thumb, cursorY, ThumbMin(), ThumbMax());
        BandMoved(*thumb);
        return;
    }
}

void CEqualizer::Drag(ui::CComponent& thumb, int32_t, int32_t top) {
    PlaceThumb(thumb, top, ThumbMin(), ThumbMax());
    BandMoved(thumb);
}

void CEqualizer::BandMoved(ui::CComponent& thumb) {
    const int32_t band = thumb.Tag() - TagEqThumbFirst;
    if (band < 0 || band >= BandCount) return;
    ApplyEqBand(thumb.Tag(), m_Context.Synchronising());
    m_Offsets[static_cast<size_t>(m_Preset - 1)][static_cast<size_t>(band)] = thumb.Top() - ThumbMin();
    StorePreset(m_Preset - 1);
    ShowPreset(m_Preset - 1);
}

int32_t CEqualizer::ApplyEqBand(int32_t tag, bool writeThrough) {
    const int32_t band = tag - TagEqThumbFirst;
    if (band < 0 || band >= BandCount) return 0;
    const ui::CImage* thumb = m_Parts.Thumbs[static_cast<size_t>(band)];
    m_Record.Gain[static_cast<size_t>(band)] = EqThumbToGain(thumb->Top(), ThumbMin(), Travel());
    return WriteBand(band, writeThrough);
}

void CEqualizer::InitEqualizer() {
    m_Store.Clear();
    m_Record = DefaultEqRecord();
    for (int32_t index = 0; index < PresetCount; ++index)
        m_Store.Pack(index, m_Record);
    for (auto& preset : m_Offsets)
        preset.fill(Travel() / 2);
    m_Enabled = false;
    for (int32_t index = 0; index < PresetCount; ++index)
        ShowPreset(index);
}

int32_t CEqualizer::StorePreset(int32_t index) {
    m_Record.LastSlot = index == PresetCount - 1 ? 1 : 0;
    m_Store.Pack(index, m_Record);
    return 0;
}

void CEqualizer::FollowSwitches() {
    m_Record.Bypass = m_Enabled ? 0 : 1;
    m_Record.Sound3DOn = Sound3DEnabled() ? 1 : 0;
}

int32_t CEqualizer::ShowPreset(int32_t index) {
    m_Record = m_Store.Unpack(index);
    FollowSwitches();
    for (int32_t band = 0; band < BandCount; ++band)
        PlaceBandThumb(index, band);
    ShowEnablePicture();
    return 0;
}

void CEqualizer::PlaceBandThumb(int32_t index, int32_t band) {
    const auto b = static_cast<size_t>(band);
    const uint16_t gain = m_Record.Gain[b];
    const int32_t offset = EqGainToOffset(gain, Travel());
    m_Offsets[static_cast<size_t>(index)][b] = offset;
    m_Parts.Thumbs[b]->SetTop(offset + ThumbMin());
    m_Parts.ValueLabels[b]->SetCaption(GainText(gain));
}

// The picture is loaded only when the switch's state differs from the one shown: a thumb drag shows its
// preset on every mouse move. (Applying a skin shows the picture of the state, as this does.)
void CEqualizer::ShowEnablePicture() {
    if (m_EnableShown == (m_Enabled ? 1 : 0)) return;
    m_EnableShown = m_Enabled ? 1 : 0;
    ShowSwitchPicture(*m_Parts.Enable, m_Enabled, SKIN_IMAGE::EQ_EQEQENImageDown,
                      SKIN_IMAGE::EQ_EQEQENImageUp);
}

void CEqualizer::ShowPresetButtons() {
    for (int32_t preset = 1; preset <= PresetCount; ++preset)
        m_Context.Window.ShowSkinImage(PresetButtonImage(preset, preset == m_Preset),
                                       *m_Parts.PresetButtons[static_cast<size_t>(preset - 1)]);
    m_Context.Window.RestyleLabels(); // the preset labels' colours and SXLabel's text
}

bool CEqualizer::OwnsTag(int32_t tag) const {
    return tag == TagEqReset || tag == TagEqEnable || TagIn(tag, TagEqPreset1, TagEqPreset4) ||
           tag == TagSync;
}

void CEqualizer::ButtonDown(int32_t tag, ui::CComponent&) {
    if (tag == TagEqReset)
        ShowResetPicture(true);
    else if (tag == TagEqEnable)
        FlipEnable();
    else if (TagIn(tag, TagEqPreset1, TagEqPreset4))
        SelectPreset(tag - TagEqPreset1 + 1);
    else if (tag == TagSync)
        FlipSynchronisation();
}

void CEqualizer::ButtonUp(int32_t tag, ui::CComponent&) {
    if (tag != TagEqReset) return;
    ShowResetPicture(false);
    ResetEqualizer();
}

// A pressed button shows its Down picture only when the skin names one.
void CEqualizer::ShowResetPicture(bool down) {
    ui::CImage* image = m_Parts.Reset;
    const SKIN_IMAGE entry = down ? SKIN_IMAGE::EQ_EQResetImageDown : SKIN_IMAGE::EQ_EQResetImageUp;
    if (down && m_Context.Skin.Image(entry).FileName.empty()) return;
    m_Context.Window.ShowSkinImage(entry, *image);
}

// The EQ switch. Processing follows it only while the 3D effect, which needs it as well, is off.
void CEqualizer::FlipEnable() {
    m_Enabled = !m_Enabled;
    ShowEnablePicture();
    m_Context.Window.RestyleLabels();
    ApplyEqBypass(m_Enabled);
    if (!Sound3DEnabled()) ApplyProcessingEnable(m_Enabled);
    StorePreset(m_Preset - 1);
}

void CEqualizer::SelectPreset(int32_t preset) {
    m_Preset = preset;
    ShowPresetButtons();
    LoadPreset(preset);
    ShowPreset(preset - 1);
    ApplyEqBypass(m_Enabled);
    Apply3DFlag(Sound3DEnabled());
}

// Only with a device and on the EQ or 3D page; SyncImage shows while changes go to the device at once.
void CEqualizer::FlipSynchronisation() {
    const PANEL_PAGE page = m_Context.Window.ShownPage();
    if (!m_Context.DeviceConnected() || (page != PANEL_PAGE::Eq && page != PANEL_PAGE::Sound3D)) return;
    m_Context.Device.SetSynchronisation(m_Context.Synchronising() ? 0 : 1);
    m_Parts.Sync->SetVisible(m_Context.Synchronising());
    ReapplyProcessing();
    if (page == PANEL_PAGE::Sound3D && m_3D.Reapply) m_3D.Reapply();
}

void CEqualizer::SwitchOff() {
    m_Enabled = false;
    ApplyEqBypass(false);
    ApplyProcessingEnable(false);
}

void CEqualizer::RestorePreset(int32_t preset, const std::array<uint16_t, BandCount>& gains, bool enabled) {
    m_Record.Gain = gains;
    StorePreset(preset - 1);
    m_Enabled = enabled;
    for (const int32_t shown : {preset, m_Preset}) {
        LoadPreset(shown);
        ShowPreset(shown - 1);
        ApplyEqBypass(m_Enabled);
    }
}

void CEqualizer::ShowState(SKIN_FEATURE_STATE& state) const {
    state.EqEnabled = m_Enabled;
    state.Preset = m_Preset;
}

} // namespace tonvel
