#pragma once
// The LED switch: the headset's LED on or off through its pins.

#include "features/Feature.h"

namespace tonvel {

class CLedSwitch : public CFeature {
public:
    explicit CLedSwitch(FEATURE_CONTEXT& context) : CFeature(context) {}

    void ShowState(SKIN_FEATURE_STATE& state) const override { state.LedOn = m_On; }
    bool On() const { return m_On; }

private:
    bool m_On = true;
};

} // namespace tonvel
