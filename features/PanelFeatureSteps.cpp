// The one place where the features' operations meet the window's sequences.

#include "device/FilterChannel.h"
#include "device/HidRegisterAccess.h"
#include "device/RegisterMap.h"
#include "features/PanelFeatures.h"

namespace tonvel {

// The equalizer and 3D: the switches are sent again at a page switch and an arrival; shutdown resets both
// and switches them off.
void CPanelFeatures::InitEqualizer() {
    m_Equalizer.InitEqualizer();
}
void CPanelFeatures::Init3D() {
    m_Sound3D.Init3D();
}
void CPanelFeatures::ReapplyEqSwitch() {
    m_Equalizer.ReapplyProcessing();
}
void CPanelFeatures::Reapply3DSwitch() {
    m_Sound3D.Apply3DEnable(m_Sound3D.Enabled());
}
void CPanelFeatures::PlaceEqThumbs() {
    m_Equalizer.ShowPreset(m_Equalizer.Preset() - 1);
}
void CPanelFeatures::ResetEqualizer() {
    m_Equalizer.ResetEqualizer();
}
void CPanelFeatures::EqualizerSwitchOff() {
    m_Equalizer.SwitchOff();
}
void CPanelFeatures::Reset3D() {
    m_Sound3D.ResetForShutdown();
}
void CPanelFeatures::Switch3DOff() {
    m_Sound3D.SwitchOff();
}

// The environment effect and the virtual 7.1 speakers at start-up, arrival, skin switch and on the timer.
void CPanelFeatures::InitEffect() {
    m_Effects.Init();
}
void CPanelFeatures::InitVirtualSpeakers() {
    m_VirtualSpeakers.Init();
}
void CPanelFeatures::ResetVirtualSpeakers() {
    m_VirtualSpeakers.ResetVirtualSpeakers();
}
void CPanelFeatures::SendCurrentEffect() {
    m_Effects.SendCurrentEffect();
}
void CPanelFeatures::SendVirtualSpeakers() {
    m_VirtualSpeakers.SendVirtualSpeakers();
}
void CPanelFeatures::PlaceSpeakerIcons(double ratio) {
    m_VirtualSpeakers.PlaceSpeakerIcons(ratio);
}
void CPanelFeatures::RotateSpeakers() {
    m_VirtualSpeakers.RotateVirtualSpeakers();
}

// The microphone's endpoint, capture and level meter at start-up, page switch, arrival and removal; the
// LED's state at an arrival.
void CPanelFeatures::InitMicrophone() {
    m_Microphone.Init();
}
void CPanelFeatures::StartLevelMeter() {
    m_Microphone.StartLevelMeter();
}
void CPanelFeatures::StopLevelMeter() {
    m_Microphone.StopLevelMeter();
}
bool CPanelFeatures::LookUpMicEndpoint() {
    return m_Microphone.LookUpEndpoint();
}
void CPanelFeatures::OpenLevelCapture() {
    m_Microphone.OpenLevelCapture();
}
void CPanelFeatures::RefreshMicrophone() {
    m_Microphone.Refresh();
}
void CPanelFeatures::CloseLevelCapture() {
    m_Microphone.CloseLevelCapture();
}
void CPanelFeatures::DropMicEndpoint() {
    m_Microphone.DropEndpoint();
}
// Removal stops the meter properly: the capture is stopped and closed, its buffers freed.
void CPanelFeatures::StopLevelMeterQueuing() {
    m_Microphone.StopLevelMeter();
}
void CPanelFeatures::SendLedState() {
    m_Led.SendState();
}

// The settings at exit saved first thing at shutdown, and loaded at the end of start-up.
int32_t CPanelFeatures::LoadLastProfile() {
    return m_Profiles.LoadLastProfile();
}
void CPanelFeatures::SaveLastProfile() {
    m_Profiles.SaveLastProfile();
}

// The arrival's driver reset: state query, speakers off with sixteen zeros, general request.
void CPanelFeatures::ResetFilterDriver() {
    ::tonvel::ResetFilterDriver(*m_Context.Plat.controlDevice);
}

// Register 0x100 cleared, the driver's effect 0, the virtual speakers off, the idle report.
void CPanelFeatures::ReturnDeviceToNeutral(HidHandle device) {
    IHid& hid = *m_Context.Plat.hid;
    HidWriteRegister(hid, device, ProcessingEnableRegister, 0x00); // every processing bit cleared
    m_Effects.SelectNoEffect();
    m_VirtualSpeakers.SwitchOff();
    HidSendIdleReport(hid, device);
}

} // namespace tonvel
