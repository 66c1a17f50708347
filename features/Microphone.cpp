#include "features/Microphone.h"

#include "features/Thumb.h"

namespace tonvel {
namespace {

constexpr char16_t kThumb[] = u"MicSliderImage";
constexpr char16_t kBar[] = u"MicBarImage";
constexpr char16_t kLevelBar[] = u"MicProgressImage";

} // namespace

int32_t CMicrophone::ThumbMin() const {
    return m_Context.Skin.Metrics().MicSliderTop;
}

int32_t CMicrophone::ThumbMax() const {
    return m_Context.Skin.Metrics().MicSliderTop + m_Context.Skin.Metrics().SliderTravel;
}

GRAB_KIND CMicrophone::Grab(const ui::CComponent& component) const {
    if (component.Name() == kThumb) return GRAB_KIND::Drag;
    if (component.Name() == kBar) return GRAB_KIND::Jump;
    return GRAB_KIND::None;
}

void CMicrophone::Jump(ui::CComponent&, int32_t cursorY) {
    if (ui::CImage* thumb = m_Context.Window.Image(kThumb)) {
        JumpThumb(*thumb, cursorY, ThumbMin(), ThumbMax());
        SetGain(*thumb);
    }
}

void CMicrophone::Drag(ui::CComponent& thumb, int32_t, int32_t top) {
    PlaceThumb(thumb, top, ThumbMin(), ThumbMax());
    SetGain(thumb);
}

void CMicrophone::SetGain(ui::CComponent&) {}

void CMicrophone::Init() {
    m_Boost = false;
    m_Mute = false;
    if (ui::CImage* bar = m_Context.Window.Image(kLevelBar)) bar->SetWidth(0);
}

void CMicrophone::ShowState(SKIN_FEATURE_STATE& state) const {
    state.MicBoost = m_Boost;
    state.MicMute = m_Mute;
}

} // namespace tonvel
