#pragma once
// The LED switch: the headset's LED on or off through its pins, then a restart of the Windows audio
// service that the window does not wait for.

#include "device/AudioServiceRestart.h"
#include "features/Feature.h"
#include "features/FeatureParts.h"

namespace tonvel {

// ApplyLed's status.
inline constexpr int32_t LedSent = 0;
inline constexpr int32_t LedNoDevice = 1;
inline constexpr int32_t LedPinRequestFailed = 2;
inline constexpr int32_t LedIdleFailed = 3;

class CLedSwitch : public CFeature {
public:
    CLedSwitch(FEATURE_CONTEXT& context, const LED_PARTS& parts)
        : CFeature(context), m_Parts(parts), m_Restart(*context.Plat.services) {}

    bool OwnsTag(int32_t tag) const override;
    void ButtonDown(int32_t tag, ui::CComponent& button) override;
    void ShowState(SKIN_FEATURE_STATE& state) const override { state.LedOn = m_On; }
    bool On() const { return m_On; }

    // On: the pin-read request (the pins are not used); off: all ten pins written 0. Then the idle report.
    int32_t ApplyLed(bool on);
    // Arrival: the current state again.
    void SendState() { ApplyLed(m_On); }
    // A profile's state: kept, shown and sent.
    void SetState(bool on);
    // The audio service's restart after a press (it runs while the window goes on).
    CAudioServiceRestart& AudioRestart() { return m_Restart; }

private:
    void ShowPicture();

    const LED_PARTS& m_Parts;
    bool m_On = true;
    CAudioServiceRestart m_Restart;
};

} // namespace tonvel
