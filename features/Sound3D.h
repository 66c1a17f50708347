#pragma once
// 3D sound: the 3D switch, FBM, the alpha and beta connection states, Reset and the four channel thumbs on
// the 3D page.

#include "features/Feature.h"

namespace tonvel {

class CSound3D : public CFeature {
public:
    // The thumbs' range of Top on the 3D page.
    static constexpr int32_t ThumbMin = 105;
    static constexpr int32_t ThumbMax = 225;

    explicit CSound3D(FEATURE_CONTEXT& context) : CFeature(context) {}

    PANEL_PAGE Page() const override { return PANEL_PAGE::Sound3D; }
    GRAB_KIND Grab(const ui::CComponent& component) const override;
    void Drag(ui::CComponent& thumb, int32_t left, int32_t top) override;
    void ShowState(SKIN_FEATURE_STATE& state) const override;

private:
    // A channel thumb has moved: the channel pair goes to the device.
    void ApplyChannels(ui::CComponent& thumb);

    bool m_Enabled = false;
    bool m_FbmOn = true;
    int32_t m_AlphaConnection = -1; // none chosen
    int32_t m_BetaConnection = -1;
};

} // namespace tonvel
