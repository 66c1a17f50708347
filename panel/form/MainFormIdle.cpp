// What runs while nothing happens: nothing. The 20 ms rotation timer runs only while a rotation switch is
// on and the headset is connected, and the level meter records only while the Mic page is on the screen;
// both follow the events that change those (the switches, arrival, removal, a profile load, the tray and
// shutdown).

#include "panel/form/AudioMainForm.h"

namespace tonvel {

bool TAudioMainForm::RotationWanted() const {
    return m_Features && m_Features->VirtualSpeakers().Rotation() != ROTATION::None && DeviceConnected();
}

void TAudioMainForm::UpdateRotationTimer() {
    const bool wanted = RotationWanted();
    if (m_Timer->TimerEnabled() == wanted) return;
    // A rotation that starts again turns from now on: the time it stood still is no turn.
    if (wanted) m_Features->VirtualSpeakers().RestartRotationClock();
    m_Timer->SetTimerEnabled(wanted);
}

// The window goes to the tray (or is hidden otherwise): no capture for a bar nobody sees.
void TAudioMainForm::FormHide() {
    if (m_Features && m_Features->Microphone().LevelMeterRunning()) m_Features->Microphone().StopLevelMeter();
}

// Back on the screen: the Mic page's meter goes on, as the page switch starts it.
void TAudioMainForm::FormShow() {
    if (m_Features && PageShown() == PANEL_PAGE::Mic && DeviceConnected())
        m_Features->Microphone().StartLevelMeter();
}

// An arrival in the tray runs the Mic page's steps as on the screen; the meter they start stops again.
void TAudioMainForm::KeepHiddenMeterOff() {
    if (!Visible()) FormHide();
}

} // namespace tonvel
