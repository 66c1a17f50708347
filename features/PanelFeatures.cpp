#include "features/PanelFeatures.h"

#include "device/FilterChannel.h"

namespace tonvel {

CPanelFeatures::CPanelFeatures(FEATURE_CONTEXT& context)
    : m_Context(context), m_Equalizer(context), m_Sound3D(context, m_Equalizer), m_Effects(context),
      m_Microphone(context), m_VirtualSpeakers(context), m_Led(context),
      m_Profiles(context, {m_Equalizer, m_Sound3D, m_Effects, m_VirtualSpeakers, m_Led}),
      m_All{&m_Equalizer, &m_Sound3D, &m_Effects, &m_Microphone, &m_VirtualSpeakers, &m_Led, &m_Profiles} {
    m_Equalizer.Link3D(
        {[this] { return m_Sound3D.Enabled(); }, [this] { m_Sound3D.Apply3DEnable(m_Sound3D.Enabled()); }});
    ComposeSteps();
}

// The one place where the features' operations meet the window's sequences.
void CPanelFeatures::ComposeSteps() {
    ComposeEqualizerAnd3DSteps();
    ComposeEffectAndSpeakerSteps();
    ComposeMicrophoneAndLedSteps();
    ComposeProfileSteps();
    // The arrival's driver reset: state query, speakers off with sixteen zeros, general request.
    m_Steps.ResetFilterDriver = [this] { ResetFilterDriver(*m_Context.Plat.controlDevice); };
}

// The microphone's endpoint, capture and level meter at start-up, page switch, arrival and removal; the LED's
// state at an arrival.
void CPanelFeatures::ComposeMicrophoneAndLedSteps() {
    FEATURE_STEPS& s = m_Steps;
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
}

// The settings at exit saved first thing at shutdown, and loaded at the end of start-up.
void CPanelFeatures::ComposeProfileSteps() {
    m_Steps.LoadLastProfile = [this] { return m_Profiles.LoadLastProfile(); };
    m_Steps.SaveLastProfile = [this] { m_Profiles.SaveLastProfile(); };
}

// The environment effect and the virtual 7.1 speakers at start-up, arrival, skin switch, on the timer and in
// the shutdown's neutral state.
void CPanelFeatures::ComposeEffectAndSpeakerSteps() {
    FEATURE_STEPS& s = m_Steps;
    s.InitEffect = [this] { m_Effects.Init(); };
    s.InitVirtualSpeakers = [this] { m_VirtualSpeakers.Init(); };
    s.ResetVirtualSpeakers = [this] { m_VirtualSpeakers.ResetVirtualSpeakers(); };
    s.SendCurrentEffect = [this] { m_Effects.SendCurrentEffect(); };
    s.SendVirtualSpeakers = [this] { m_VirtualSpeakers.SendVirtualSpeakers(); };
    s.PlaceSpeakerIcons = [this](double ratio) { m_VirtualSpeakers.PlaceSpeakerIcons(ratio); };
    s.RotateSpeakers = [this] { m_VirtualSpeakers.RotateVirtualSpeakers(); };
    s.SelectNoEffect = [this] { m_Effects.SelectNoEffect(); };
    s.SwitchVirtualSpeakersOff = [this] { m_VirtualSpeakers.SwitchOff(); };
}

// The switches are sent again at a page switch and an arrival; shutdown resets both and switches them off.
void CPanelFeatures::ComposeEqualizerAnd3DSteps() {
    FEATURE_STEPS& s = m_Steps;
    s.InitEqualizer = [this] { m_Equalizer.InitEqualizer(); };
    s.Init3D = [this] { m_Sound3D.Init3D(); };
    s.ReapplyEqSwitch = [this] { m_Equalizer.ReapplyProcessing(); };
    s.Reapply3DSwitch = [this] { m_Sound3D.Apply3DEnable(m_Sound3D.Enabled()); };
    s.PlaceEqThumbs = [this] { m_Equalizer.ShowPreset(m_Equalizer.Preset() - 1); };
    s.ResetEqualizer = [this] { m_Equalizer.ResetEqualizer(); };
    s.EqualizerSwitchOff = [this] { m_Equalizer.SwitchOff(); };
    s.Reset3D = [this] { m_Sound3D.ResetForShutdown(); };
    s.Switch3DOff = [this] { m_Sound3D.SwitchOff(); };
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
