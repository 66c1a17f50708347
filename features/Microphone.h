#pragma once
// The microphone: boost, mute, the gain thumb with its bar and the level meter on the Mic page.

#include "features/Feature.h"

namespace tonvel {

class CMicrophone : public CFeature {
public:
    explicit CMicrophone(FEATURE_CONTEXT& context) : CFeature(context) {}

    PANEL_PAGE Page() const override { return PANEL_PAGE::Mic; }
    GRAB_KIND Grab(const ui::CComponent& component) const override;
    void Jump(ui::CComponent& bar, int32_t cursorY) override;
    void Drag(ui::CComponent& thumb, int32_t left, int32_t top) override;
    void ShowState(SKIN_FEATURE_STATE& state) const override;

    // Start-up: boost and mute off, the level bar empty.
    void Init();
    // The gain thumb's range of Top from the skin.
    int32_t ThumbMin() const;
    int32_t ThumbMax() const;
    // The gain MicValueLabel shows.
    int32_t Gain() const { return m_Gain; }

private:
    // The gain thumb has moved: the gain goes to the microphone.
    void SetGain(ui::CComponent& thumb);

    bool m_Boost = false;
    bool m_Mute = false;
    int32_t m_Gain = 0;
};

} // namespace tonvel
