#include "device/HidTransaction.h"

#include "device/HidDiscovery.h"
#include "device/HidRegisterAccess.h"

namespace tonvel {

CHidTransaction::CHidTransaction(IHid& hid, IDeviceInstall& install, uint16_t vendorId, uint16_t productId)
    : m_Hid(hid), m_Handle(OpenAudioHidDevice(hid, install, vendorId, productId)) {}

CHidTransaction::~CHidTransaction() {
    Close();
}

int32_t CHidTransaction::SendIdle() {
    return HidSendIdleReport(m_Hid, m_Handle);
}

void CHidTransaction::Close() {
    if (m_Handle != NoHidHandle) {
        m_Hid.Close(m_Handle);
        m_Handle = NoHidHandle;
    }
}

int32_t RunHidTransaction(IHid& hid, IDeviceInstall& install, uint16_t vendorId, uint16_t productId,
                          int32_t noDeviceStatus, int32_t idleFailedStatus, const HidAccesses& accesses,
                          IDLE_REPORT idle) {
    CHidTransaction transaction(hid, install, vendorId, productId);
    if (!transaction.IsOpen()) {
        return noDeviceStatus;
    }
    int32_t status = accesses ? accesses(hid, transaction.Handle()) : 0;
    const bool sendIdle = idle == IDLE_REPORT::Always || (idle == IDLE_REPORT::OnSuccess && status == 0);
    if (sendIdle && transaction.SendIdle() != 0 && status == 0) {
        status = idleFailedStatus;
    }
    transaction.Close();
    return status;
}

} // namespace tonvel
