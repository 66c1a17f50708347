#include "features/Effects.h"

#include "device/FilterChannel.h"
#include "skin/ComponentTags.h"

namespace tonvel {

int32_t CEffects::ValidEffect(int32_t effect) {
    return effect >= EffectNothing && effect <= EffectCount ? effect : EffectNothing;
}

bool CEffects::OwnsTag(int32_t tag) const {
    return TagIn(tag, TagEffectFirst, TagEffectLast);
}

void CEffects::ButtonDown(int32_t tag, ui::CComponent&) {
    SelectEffect(tag - TagEffectFirst + EffectNothing);
}

void CEffects::Init() {
    m_Current = EffectNothing;
    ShowEffect();
}

void CEffects::SelectEffect(int32_t effect) {
    m_Current = ValidEffect(effect);
    ShowEffect();
    SendCurrentEffect();
}

void CEffects::SendCurrentEffect() {
    DriverSelectEffect(*m_Context.Plat.controlDevice, static_cast<uint32_t>(ValidEffect(m_Current) - 1));
}

void CEffects::SelectNoEffect() {
    DriverSelectEffect(*m_Context.Plat.controlDevice, 0);
}

// The buttons by tag (the pictures of effect i go on the component with tag i + 15, whatever its name),
// then the labels' colours and the effect's own picture.
void CEffects::ShowEffect() {
    const int32_t effect = ValidEffect(m_Current);
    for (int32_t i = EffectNothing; i <= EffectCount; ++i)
        m_Context.Window.ShowSkinImage(EffectButtonImage(i, i == effect),
                                       *m_Parts.Buttons[static_cast<size_t>(i - EffectNothing)]);
    m_Context.Window.RestyleLabels();
    m_Context.Window.ShowSkinImage(EffectPictureImage(effect), *m_Parts.Picture);
}

void CEffects::ShowState(SKIN_FEATURE_STATE& state) const {
    state.Effect = ValidEffect(m_Current);
}

} // namespace tonvel
