// The equalizer's device writes: each is one transaction on the current device (open, register accesses
// in order stopping at the first failure, idle report, close), and says which step failed.

#include "device/HidTransaction.h"
#include "device/RegisterMap.h"
#include "features/DeviceWriteStatus.h"
#include "features/EqBandWrite.h"
#include "features/Equalizer.h"
#include "features/RegisterBits.h"
#include "skin/ComponentTags.h"

namespace tonvel {

int32_t CEqualizer::WriteBand(int32_t band, bool writeThrough) {
    const uint16_t gain = m_Record.Gain[static_cast<size_t>(band)];
    return m_Context.Device.RunTransaction(BandNoDevice, BandIdleFailed,
                                           [&](IHid& hid, HidHandle handle) -> int32_t {
                                               if (!writeThrough) return WriteSent;
                                               ApplyEqBypass(m_Enabled);
                                               return WriteEqBandGain(hid, handle, band, gain);
                                           });
}

void CEqualizer::ApplyEqBypass(bool enable) {
    m_Record.Bypass = enable ? 0 : 1;
    const bool bypass = m_Record.Bypass != 0;
    const bool synchronising = m_Context.Synchronising();
    m_Context.Device.RunTransaction(FlagUnreported, FlagUnreported, [&](IHid& hid, HidHandle handle) {
        if (!synchronising) return WriteSent;
        return ChangeRegisterBits(hid, handle, EqBand5HighRegister, EqHighBypassBit, bypass, FlagReadFailed,
                                  FlagWriteFailed);
    });
}

void CEqualizer::Apply3DFlag(bool on) {
    m_Record.Sound3DOn = on ? 1 : 0;
    const bool synchronising = m_Context.Synchronising();
    m_Context.Device.RunTransaction(FlagUnreported, FlagUnreported, [&](IHid& hid, HidHandle handle) {
        if (!synchronising) return WriteSent;
        return ChangeRegisterBits(hid, handle, EqBand5HighRegister, EqHigh3DOnBit, on, FlagReadFailed,
                                  FlagWriteFailed);
    });
}

// Switching off clears the bit only while the presence handle is held: a device that went has nothing
// to switch off.
int32_t CEqualizer::ApplyProcessingEnable(bool on) {
    const bool present = m_Context.Device.HasPresenceHandle();
    return m_Context.Device.RunTransaction(
        SwitchNoDevice, SwitchIdleFailed, [&](IHid& hid, HidHandle handle) -> int32_t {
            if (on) {
                if (const int32_t status =
                        ChangeRegisterBits(hid, handle, ProcessingEnableRegister, ProcessingEnableBit, true,
                                           SwitchOnReadFailed, SwitchOnWriteFailed))
                    return status;
                return WriteEqRegisters(hid, handle, m_Record) == 0 ? WriteSent : SwitchBlockFailed;
            }
            if (!present) return WriteSent;
            return ChangeRegisterBits(hid, handle, ProcessingEnableRegister, ProcessingEnableBit, false,
                                      SwitchOffReadFailed, SwitchOffWriteFailed);
        });
}

int32_t CEqualizer::LoadPreset(int32_t preset) {
    m_Record = m_Store.Unpack(preset - 1);
    FollowSwitches();
    if (!m_Context.Synchronising() || m_Context.Flags.Saving)
        return m_Context.DeviceConnected() ? WriteSent : PresetNoDevice;
    return m_Context.Device.RunTransaction(
        PresetNoDevice, PresetIdleFailed, [this](IHid& hid, HidHandle handle) {
            return WriteEqRegisters(hid, handle, m_Record) == 0 ? WriteSent : PresetBlockFailed;
        });
}

// Only the current preset goes back to the defaults; the EQ switch keeps its state. The band writes and
// the 3D bit are transactions of their own inside this one, whose block write sends no idle report.
int32_t CEqualizer::ResetEqualizer() {
    m_Record = DefaultEqRecord();
    FollowSwitches();
    m_Store.Pack(m_Preset - 1, m_Record);
    ShowPreset(m_Preset - 1);
    const bool synchronising = m_Context.Synchronising();
    return m_Context.Device.RunTransaction(
        EqResetNoDevice, NoIdleReportStatus,
        [&](IHid& hid, HidHandle handle) -> int32_t {
            if (synchronising) {
                for (int32_t tag = TagEqThumbFirst; tag <= TagEqThumbLast; ++tag)
                    ApplyEqBand(tag, true);
                if (WriteEqRegisters(hid, handle, m_Record) != 0) return EqResetBlockFailed;
            }
            Apply3DFlag(Sound3DEnabled());
            return WriteSent;
        },
        IDLE_REPORT::Never);
}

} // namespace tonvel
