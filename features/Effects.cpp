#include "features/Effects.h"

#include "device/FilterChannel.h"

namespace tonvel {

void CEffects::Init() {
    m_Current = EffectNothing;
}

void CEffects::SelectNoEffect() {
    DriverSelectEffect(*m_Context.Plat.controlDevice, 0);
}

void CEffects::ShowState(SKIN_FEATURE_STATE& state) const {
    state.Effect = m_Current;
}

} // namespace tonvel
