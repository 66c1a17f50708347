#include "features/LedSwitch.h"

#include "device/HidRegisterAccess.h"
#include "skin/ComponentTags.h"

namespace tonvel {

bool CLedSwitch::OwnsTag(int32_t tag) const {
    return tag == TagLed;
}

int32_t CLedSwitch::ApplyLed(bool on) {
    return m_Context.Device.RunTransaction(LedNoDevice, LedIdleFailed, [on](IHid& hid, HidHandle handle) {
        PinSet pins{};
        const int32_t status = on ? HidReadPins(hid, handle, pins) : HidWritePins(hid, handle, pins);
        return status == 0 ? LedSent : LedPinRequestFailed;
    });
}

void CLedSwitch::ShowPicture() {
    ShowSwitchPicture(*m_Parts.Switch, m_On, SKIN_IMAGE::Main_LedImageDown, SKIN_IMAGE::Main_LedImageUp);
}

void CLedSwitch::SetState(bool on) {
    m_On = on;
    ShowPicture();
    ApplyLed(m_On);
}

// The press: the new state shown and sent, then the audio service restarted by the helper service (or,
// without it, on a worker thread); the window goes on meanwhile.
void CLedSwitch::ButtonDown(int32_t tag, ui::CComponent&) {
    if (tag != TagLed) return;
    SetState(!m_On);
    m_Restart.Request();
}

} // namespace tonvel
