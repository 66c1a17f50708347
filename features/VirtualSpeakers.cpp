#include "features/VirtualSpeakers.h"

#include "features/NameList.h"

namespace tonvel {
namespace {

// The page's fixed controls; everything else on it is a speaker icon that can be dragged.
constexpr NAME_LIST<5> kFixed = {u"VirtualPicImage", u"VirtualEnableImage", u"VirtualENLabel",
                                 u"VirtualResetImage", u"VirtualResetLabel"};

} // namespace

GRAB_KIND CVirtualSpeakers::Grab(const ui::CComponent& component) const {
    return IsOneOf(component.Name(), kFixed) ? GRAB_KIND::None : GRAB_KIND::Drag;
}

bool CVirtualSpeakers::InsideCircle(int32_t left, int32_t top) const {
    const _SKIN_METRICS& m = m_Context.Skin.Metrics();
    const int64_t dx = left - m.SpeakerCenterX;
    const int64_t dy = top - m.SpeakerCenterY;
    const int64_t r = m.SpeakerRadius;
    return dx * dx + dy * dy <= r * r;
}

void CVirtualSpeakers::Drag(ui::CComponent& icon, int32_t left, int32_t top) {
    if (icon.Kind() != ui::ComponentKind::Image) return;
    if (InsideCircle(left, top)) icon.SetBounds(left, top, icon.Width(), icon.Height());
}

void CVirtualSpeakers::SwitchOff() {
    m_Enabled = false;
    DriverSetVirtualSpeakers(*m_Context.Plat.controlDevice, 0, m_Parameters);
}

void CVirtualSpeakers::ShowState(SKIN_FEATURE_STATE& state) const {
    state.VirtualEnabled = m_Enabled;
    state.Clockwise = m_Clockwise;
    state.Counterclockwise = m_Counterclockwise;
}

} // namespace tonvel
