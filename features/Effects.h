#pragma once
// The environment effects: the five effect buttons on the Effect page and the current effect the filter
// driver is told.

#include "features/Feature.h"

namespace tonvel {

class CEffects : public CFeature {
public:
    static constexpr int32_t EffectNothing = 1;

    explicit CEffects(FEATURE_CONTEXT& context) : CFeature(context) {}

    PANEL_PAGE Page() const override { return PANEL_PAGE::Effect; }
    void ShowState(SKIN_FEATURE_STATE& state) const override;

    // Start-up: "Nothing" is the current effect.
    void Init();
    // The neutral device state: the driver's effect 0.
    void SelectNoEffect();
    int32_t Current() const { return m_Current; }

private:
    int32_t m_Current = EffectNothing;
};

} // namespace tonvel
