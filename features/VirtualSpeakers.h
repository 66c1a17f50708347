#pragma once
// The virtual 7.1 speakers: the eight speaker icons around the listener on the Virtual 7.1 page, the
// enable switch, the rotation switches, Reset, and the parameters the filter driver is sent.

#include "device/FilterChannel.h"
#include "features/Feature.h"

namespace tonvel {

class CVirtualSpeakers : public CFeature {
public:
    explicit CVirtualSpeakers(FEATURE_CONTEXT& context) : CFeature(context) {}

    PANEL_PAGE Page() const override { return PANEL_PAGE::Virtual71; }
    GRAB_KIND Grab(const ui::CComponent& component) const override;
    void Drag(ui::CComponent& icon, int32_t left, int32_t top) override;
    void ShowState(SKIN_FEATURE_STATE& state) const override;

    // The neutral device state: enable 0, and the parameters sent with it.
    void SwitchOff();
    bool Enabled() const { return m_Enabled; }

private:
    // Inside the skin's speaker circle.
    bool InsideCircle(int32_t left, int32_t top) const;

    bool m_Enabled = false;
    bool m_Clockwise = false;
    bool m_Counterclockwise = false;
    VirtualSpeakerParameters m_Parameters{};
};

} // namespace tonvel
