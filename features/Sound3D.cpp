#include "features/Sound3D.h"

#include "features/NameList.h"
#include "features/Thumb.h"

namespace tonvel {
namespace {

constexpr NAME_LIST<4> kThumbs = {u"D3LAlphaSliderImage", u"D3LBetaSliderImage", u"D3RAlphaSliderImage",
                                  u"D3RBetaSliderImage"};

} // namespace

GRAB_KIND CSound3D::Grab(const ui::CComponent& component) const {
    return IsOneOf(component.Name(), kThumbs) ? GRAB_KIND::Drag : GRAB_KIND::None;
}

void CSound3D::Drag(ui::CComponent& thumb, int32_t, int32_t top) {
    PlaceThumb(thumb, top, ThumbMin, ThumbMax);
    ApplyChannels(thumb);
}

void CSound3D::ApplyChannels(ui::CComponent&) {}

void CSound3D::ShowState(SKIN_FEATURE_STATE& state) const {
    state.D3Enabled = m_Enabled;
    state.FbmOn = m_FbmOn;
    state.AlphaConnection = m_AlphaConnection;
    state.BetaConnection = m_BetaConnection;
}

} // namespace tonvel
