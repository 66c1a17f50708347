#include "features/PanelFeatures.h"

#include "device/FilterChannel.h"

namespace tonvel {

CPanelFeatures::CPanelFeatures(FEATURE_CONTEXT& context)
    : m_Context(context), m_Equalizer(context), m_Sound3D(context), m_Effects(context), m_Microphone(context),
      m_VirtualSpeakers(context), m_Led(context),
      m_Profiles(context), m_All{&m_Equalizer,       &m_Sound3D, &m_Effects, &m_Microphone,
                                 &m_VirtualSpeakers, &m_Led,     &m_Profiles} {
    ComposeSteps();
}

// The one place where the features' operations meet the window's sequences.
void CPanelFeatures::ComposeSteps() {
    FEATURE_STEPS& s = m_Steps;
    s.InitEffect = [this] { m_Effects.Init(); };
    s.InitMicrophone = [this] { m_Microphone.Init(); };
    s.StartLevelMeter = [this] { m_Microphone.StartLevelMeter(); };
    s.StopLevelMeter = [this] { m_Microphone.StopLevelMeter(); };
    s.LookUpMicEndpoint = [this] { return m_Microphone.LookUpEndpoint(); };
    s.OpenLevelCapture = [this] { m_Microphone.OpenLevelCapture(); };
    s.RefreshMicrophone = [this] { m_Microphone.Refresh(); };
    s.CloseLevelCapture = [this] { m_Microphone.CloseLevelCapture(); };
    s.DropMicEndpoint = [this] { m_Microphone.DropEndpoint(); };
    // Removal stops the meter properly: the capture is stopped and closed, its buffers freed.
    s.StopLevelMeterQueuing = [this] { m_Microphone.StopLevelMeter(); };
    s.SendLedState = [this] { m_Led.SendState(); };
    s.ResetFilterDriver = [this] { ResetFilterDriver(*m_Context.Plat.controlDevice); };
    s.SelectNoEffect = [this] { m_Effects.SelectNoEffect(); };
    s.SwitchVirtualSpeakersOff = [this] { m_VirtualSpeakers.SwitchOff(); };
}

CFeature* CPanelFeatures::GrabOwner(PANEL_PAGE page, const ui::CComponent& grabbed, GRAB_KIND& kind) {
    for (CFeature* feature : m_All) {
        if (feature->Page() != page) continue;
        kind = feature->Grab(grabbed);
        if (kind != GRAB_KIND::None) return feature;
    }
    kind = GRAB_KIND::None;
    return nullptr;
}

CFeature* CPanelFeatures::TagOwner(int32_t tag) {
    for (CFeature* feature : m_All)
        if (feature->OwnsTag(tag)) return feature;
    return nullptr;
}

SKIN_FEATURE_STATE CPanelFeatures::State() const {
    SKIN_FEATURE_STATE state;
    for (const CFeature* feature : m_All)
        feature->ShowState(state);
    return state;
}

} // namespace tonvel
