// The 3D effect's device writes: each is one transaction on the current device (open, register accesses
// in order stopping at the first failure, idle report, close), and says which step failed.

#include "device/HidTransaction.h"
#include "device/RegisterMap.h"
#include "features/DeviceWriteStatus.h"
#include "features/RegisterBits.h"
#include "features/Sound3D.h"

namespace tonvel {

// Switching off clears only bit 6, and only while the presence handle is held.
int32_t CSound3D::Apply3DEnable(bool on) {
    const bool present = m_Context.Device.HasPresenceHandle();
    return m_Context.Device.RunTransaction(
        SwitchNoDevice, SwitchIdleFailed, [&](IHid& hid, HidHandle handle) -> int32_t {
            if (on) {
                if (const int32_t status =
                        ChangeRegisterBits(hid, handle, Sound3DControlRegister, Sound3DProcessingBit, true,
                                           SwitchOnReadFailed, SwitchOnWriteFailed))
                    return status;
                return Write3DRegisters(hid, handle, m_Record) == 0 ? WriteSent : SwitchBlockFailed;
            }
            if (!present) return WriteSent;
            return ChangeRegisterBits(hid, handle, Sound3DControlRegister, Sound3DProcessingBit, false,
                                      SwitchOffReadFailed, SwitchOffWriteFailed);
        });
}

int32_t CSound3D::SetFbm(bool on) {
    m_Record.Fbm = on ? 1 : 0;
    return m_Context.Device.RunTransaction(FbmNoDevice, FbmIdleFailed, [&](IHid& hid, HidHandle handle) {
        return ChangeRegisterBits(hid, handle, Sound3DControlRegister, Sound3DFbmBit, on, FbmReadFailed,
                                  FbmWriteFailed);
    });
}

// Both channels' pairs go out whichever side moved. A value outside 0-15 (a thumb low on a skin whose
// travel is under 120) is refused by the pair write, and the registers keep their values.
int32_t CSound3D::WriteChannels(bool writeThrough) {
    return m_Context.Device.RunTransaction(
        ChannelsNoDevice, ChannelsIdleFailed, [&](IHid& hid, HidHandle handle) -> int32_t {
            if (!writeThrough) return WriteSent;
            if (const int32_t status =
                    ChangeRegisterBits(hid, handle, Sound3DControlRegister, Sound3DFbmBit, m_Record.Fbm != 0,
                                       ChannelsFbmReadFailed, ChannelsFbmWriteFailed))
                return status;
            if (WriteLeft3DPair(hid, handle, m_Record.LeftAlpha, m_Record.LeftBeta) != 0)
                return ChannelsLeftPairFailed;
            return WriteRight3DPair(hid, handle, m_Record.RightAlpha, m_Record.RightBeta) == 0
                       ? WriteSent
                       : ChannelsRightPairFailed;
        });
}

// The block write sends no idle report of its own.
int32_t CSound3D::Reset3D() {
    m_Record = Default3DRecord();
    m_FbmOn = true;
    Show3D();
    const bool synchronising = m_Context.Synchronising();
    return m_Context.Device.RunTransaction(
        Sound3DResetNoDevice, NoIdleReportStatus,
        [&](IHid& hid, HidHandle handle) -> int32_t {
            if (!synchronising) return WriteSent;
            return Write3DRegisters(hid, handle, m_Record) == 0 ? WriteSent : Sound3DResetBlockFailed;
        },
        IDLE_REPORT::Never);
}

} // namespace tonvel
