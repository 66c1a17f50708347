#include "features/Microphone.h"

#include "features/Thumb.h"
#include "skin/ComponentTags.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace tonvel {
namespace {

constexpr int32_t Percent = 100;

std::u16string Decimal(int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    return std::u16string(text, text + std::strlen(text));
}

} // namespace

CMicrophone::CMicrophone(FEATURE_CONTEXT& context, const MICROPHONE_PARTS& parts)
    : CFeature(context), m_Parts(parts),
      m_Control(context.Plat,
                [&device = context.Device](uint16_t& vendorId, uint16_t& productId) {
                    vendorId = device.VendorId();
                    productId = device.ProductId();
                }),
      m_Meter(*context.Plat.waveIn) {}

int32_t CMicrophone::ThumbMin() const {
    return m_Context.Skin.Metrics().MicSliderTop;
}

int32_t CMicrophone::ThumbMax() const {
    return m_Context.Skin.Metrics().MicSliderTop + m_Context.Skin.Metrics().SliderTravel;
}

GRAB_KIND CMicrophone::Grab(const ui::CComponent& component) const {
    if (&component == m_Parts.Thumb) return GRAB_KIND::Drag;
    if (&component == m_Parts.Bar) return GRAB_KIND::Jump;
    return GRAB_KIND::None;
}

void CMicrophone::Jump(ui::CComponent&, int32_t cursorY) {
    if (ui::CImage* thumb = m_Parts.Thumb) {
        JumpThumb(*thumb, cursorY, ThumbMin(), ThumbMax());
        SetGain(*thumb);
    }
}

void CMicrophone::Drag(ui::CComponent& thumb, int32_t, int32_t top) {
    PlaceThumb(thumb, top, ThumbMin(), ThumbMax());
    SetGain(thumb);
}

void CMicrophone::SetGain(ui::CComponent& thumb) {
    const int32_t travel = m_Context.Skin.Metrics().SliderTravel;
    if (travel <= 0) return; // a skin without a mic range has no gain to give
    const int32_t percent = (ThumbMin() + travel - thumb.Top()) * Percent / travel;
    m_Control.SetOsGeneration(m_Context.Window.OsGeneration());
    m_Control.SetMicGain(percent);
    ReadGain();
}

// The gain the system reports, on the label and the thumb.
void CMicrophone::ReadGain() {
    int32_t percent = 0;
    m_Control.SetOsGeneration(m_Context.Window.OsGeneration());
    if (m_Control.ReadMicGain(percent) != MicOk) return;
    m_Gain = percent;
    ShowGain();
}

void CMicrophone::ShowGain() {
    m_Parts.ValueLabel->SetCaption(Decimal(m_Gain));
    const int32_t travel = m_Context.Skin.Metrics().SliderTravel;
    m_Parts.Thumb->SetTop(ThumbMin() + travel - m_Gain * travel / Percent);
}

void CMicrophone::Refresh() {
    ReadGain();
    bool boost = m_Boost;
    bool mute = m_Mute;
    m_Control.ReadBoostAndMute(boost, mute);
    m_Boost = boost;
    m_Mute = mute;
    ShowButtons();
}

void CMicrophone::ShowButtons() {
    ShowSwitchPicture(*m_Parts.Boost, m_Boost, SKIN_IMAGE::Mic_MicBoostImageDown,
                      SKIN_IMAGE::Mic_MicBoostImageUp);
    ShowSwitchPicture(*m_Parts.Mute, m_Mute, SKIN_IMAGE::Mic_MicMuteImageDown,
                      SKIN_IMAGE::Mic_MicMuteImageUp);
    m_Context.Window.RestyleLabels();
}

bool CMicrophone::OwnsTag(int32_t tag) const {
    return tag == TagMicBoost || tag == TagMicMute;
}

void CMicrophone::ButtonDown(int32_t tag, ui::CComponent&) {
    m_Control.SetOsGeneration(m_Context.Window.OsGeneration());
    if (tag == TagMicBoost) {
        m_Boost = !m_Boost;
        ShowButtons();
        m_Control.SetBoost(m_Boost);
    } else if (tag == TagMicMute) {
        m_Mute = !m_Mute;
        ShowButtons();
        m_Control.SetMute(m_Mute);
    }
}

bool CMicrophone::LookUpEndpoint() {
    m_Control.SetOsGeneration(m_Context.Window.OsGeneration());
    return m_Control.LookUpEndpoint();
}

void CMicrophone::Init() {
    m_Boost = false;
    m_Mute = false;
    m_Parts.LevelBar->SetWidth(0);
    if (LookUpEndpoint() || !m_Control.CoreAudio()) {
        OpenLevelCapture();
        Refresh();
        CloseLevelCapture();
    }
}

// The headset's own microphone, never the default recording device (a laptop's or a webcam's); without
// one there is no meter.
int32_t CMicrophone::StartLevelMeter() {
    uint32_t device = 0;
    if (!m_Control.WaveInDevice(device)) return 1;
    return m_Meter.Start(device, m_Context.Window.CaptureWindow());
}

void CMicrophone::StopLevelMeter() {
    m_Meter.Stop();
}

void CMicrophone::OpenLevelCapture() {
    m_CaptureOpenedForRefresh = !m_Meter.Running() && StartLevelMeter() == 0;
}

void CMicrophone::CloseLevelCapture() {
    if (m_CaptureOpenedForRefresh) StopLevelMeter();
    m_CaptureOpenedForRefresh = false;
}

void CMicrophone::OnLevelData(int64_t header) {
    const int32_t length = m_Context.Skin.Metrics().MicProgressLength;
    uint32_t level = 0;
    if (!m_Meter.OnData(header, level, length)) return;
    m_Level = level;
    const int32_t width = LevelBarWidth(level, length);
    if (width >= 0) m_Parts.LevelBar->SetWidth(width);
}

void CMicrophone::ShowState(SKIN_FEATURE_STATE& state) const {
    state.MicBoost = m_Boost;
    state.MicMute = m_Mute;
}

} // namespace tonvel
