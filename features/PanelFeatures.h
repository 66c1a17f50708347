#pragma once
// The control panel's features, composed in one place: each feature object, the steps the window's
// sequences run (PanelFeatureSteps.cpp), the owner of a grabbed control or a button's tag, and the state
// that picks the skin's Up and Down pictures.

#include "features/Effects.h"
#include "features/Equalizer.h"
#include "features/FeatureSteps.h"
#include "features/LedSwitch.h"
#include "features/Microphone.h"
#include "features/Profiles.h"
#include "features/Sound3D.h"
#include "features/VirtualSpeakers.h"

#include <array>

namespace tonvel {

class CPanelFeatures : private IFeatureSteps {
public:
    CPanelFeatures(FEATURE_CONTEXT& context, const FEATURE_PARTS& parts);

    CEqualizer& Equalizer() { return m_Equalizer; }
    CSound3D& Sound3D() { return m_Sound3D; }
    CEffects& Effects() { return m_Effects; }
    CMicrophone& Microphone() { return m_Microphone; }
    CVirtualSpeakers& VirtualSpeakers() { return m_VirtualSpeakers; }
    CLedSwitch& Led() { return m_Led; }
    CProfiles& Profiles() { return m_Profiles; }

    // The feature steps the window's sequences run.
    IFeatureSteps& Steps() { return *this; }
    // The feature of the page whose control this is, and what a press on it does; nullptr when none.
    CFeature* GrabOwner(PANEL_PAGE page, const ui::CComponent& grabbed, GRAB_KIND& kind);
    // The feature whose button carries the tag; nullptr when none.
    CFeature* TagOwner(int32_t tag);
    SKIN_FEATURE_STATE State() const;

private:
    // IFeatureSteps.
    void InitEqualizer() override;
    void Init3D() override;
    void InitEffect() override;
    void InitVirtualSpeakers() override;
    void InitMicrophone() override;
    void ResetVirtualSpeakers() override;
    int32_t LoadLastProfile() override;
    void StopLevelMeter() override;
    void StartLevelMeter() override;
    void ReapplyEqSwitch() override;
    void Reapply3DSwitch() override;
    void SendLedState() override;
    bool LookUpMicEndpoint() override;
    void OpenLevelCapture() override;
    void RefreshMicrophone() override;
    void CloseLevelCapture() override;
    void ResetFilterDriver() override;
    void SendCurrentEffect() override;
    void SendVirtualSpeakers() override;
    void DropMicEndpoint() override;
    void StopLevelMeterQueuing() override;
    void PlaceEqThumbs() override;
    void PlaceSpeakerIcons(double ratio) override;
    void RotateSpeakers() override;
    void SaveLastProfile() override;
    void ResetEqualizer() override;
    void EqualizerSwitchOff() override;
    void Reset3D() override;
    void Switch3DOff() override;
    void ReturnDeviceToNeutral(HidHandle device) override;

    FEATURE_CONTEXT& m_Context;
    CEqualizer m_Equalizer;
    CSound3D m_Sound3D;
    CEffects m_Effects;
    CMicrophone m_Microphone;
    CVirtualSpeakers m_VirtualSpeakers;
    CLedSwitch m_Led;
    CProfiles m_Profiles;
    std::array<CFeature*, 7> m_All;
};

} // namespace tonvel
