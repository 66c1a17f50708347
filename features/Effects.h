#pragma once
// The environment effects: the five effect buttons on the Effect page and the current effect the filter
// driver is told (effect 1 "Nothing" is the driver's index 0, effects 2 to 5 its four rooms 1 to 4).

#include "features/Feature.h"
#include "features/FeatureParts.h"

namespace tonvel {

class CEffects : public CFeature {
public:
    static constexpr int32_t EffectNothing = 1;
    static constexpr int32_t EffectCount = 5;

    CEffects(FEATURE_CONTEXT& context, const EFFECTS_PARTS& parts) : CFeature(context), m_Parts(parts) {}

    PANEL_PAGE Page() const override { return PANEL_PAGE::Effect; }
    bool OwnsTag(int32_t tag) const override;
    void ButtonDown(int32_t tag, ui::CComponent& button) override;
    void ShowState(SKIN_FEATURE_STATE& state) const override;

    // Start-up: "Nothing" is the current effect and the buttons show it.
    void Init();
    // Makes the effect current, shows it and tells the driver (a press on its button, a profile's effect).
    // An effect outside 1..5 counts as "Nothing".
    void SelectEffect(int32_t effect);
    // Tells the driver the current effect again (a device arrival while the Effect page is shown).
    void SendCurrentEffect();
    // The neutral device state: the driver's effect 0; the current effect stays.
    void SelectNoEffect();
    // The current effect's button pictures and label colours, and its picture.
    void ShowEffect();
    int32_t Current() const { return m_Current; }

    // The effect itself when it is one of the five, else "Nothing".
    static int32_t ValidEffect(int32_t effect);

private:
    const EFFECTS_PARTS& m_Parts;
    int32_t m_Current = EffectNothing;
};

} // namespace tonvel
