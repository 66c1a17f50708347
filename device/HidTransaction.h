#pragma once
// One device transaction, the pattern every feature's device access follows: open the HID interface of the
// current device anew, perform the register accesses in order stopping at the first failure, send the idle
// report, close the handle.

#include "platform/api/DeviceInstall.h"
#include "platform/api/Hid.h"

#include <cstdint>
#include <functional>

namespace tonvel {

// When the idle report is sent after the accesses.
enum class IDLE_REPORT {
    Always,    // also after a failed access, so the device leaves the request state
    OnSuccess, // only when every access worked
    Never,     // the reset operations' own block writes
};

// An open HID interface for the length of one transaction; closes it when it goes.
class CHidTransaction {
public:
    CHidTransaction(IHid& hid, IDeviceInstall& install, uint16_t vendorId, uint16_t productId);
    CHidTransaction(const CHidTransaction&) = delete;
    CHidTransaction& operator=(const CHidTransaction&) = delete;
    ~CHidTransaction();

    bool IsOpen() const { return m_Handle != NoHidHandle; }
    HidHandle Handle() const { return m_Handle; }
    IHid& Hid() { return m_Hid; }
    // HidSendIdleReport: 0 or its status.
    int32_t SendIdle();
    // Closes now (the destructor then does nothing).
    void Close();

private:
    IHid& m_Hid;
    HidHandle m_Handle = NoHidHandle;
};

// The accesses of one transaction: 0 when all worked, else the caller's own status for the failed one.
using HidAccesses = std::function<int32_t(IHid& hid, HidHandle handle)>;

// Runs one transaction. No device: `noDeviceStatus` and nothing is sent. Otherwise the accesses' status; when
// they all worked and the idle report fails, `idleFailedStatus`.
int32_t RunHidTransaction(IHid& hid, IDeviceInstall& install, uint16_t vendorId, uint16_t productId,
                          int32_t noDeviceStatus, int32_t idleFailedStatus, const HidAccesses& accesses,
                          IDLE_REPORT idle = IDLE_REPORT::Always);

} // namespace tonvel
