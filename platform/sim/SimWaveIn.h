#pragma once
// Simulated wave-in capture on the capture devices by number (or the wave mapper, which takes the default
// one): one capture at a time, buffers prepared and queued as
// winmm wants them (a buffer still queued cannot be unprepared, a capture with queued buffers cannot be
// closed), and a capture source: Deliver fills the first queued buffer with the given samples and posts
// MM_WIM_DATA for it to the capture's window, as the driver does; Reset hands every queued buffer back the
// same way. A source function gives the samples of the demo's microphone.

#include "platform/api/WaveIn.h"
#include "platform/sim/SimCaptureDevices.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

namespace tonvel::sim {

inline constexpr uint32_t SimMmErrorBadDeviceId = 2; // MMSYSERR_BADDEVICEID
inline constexpr uint32_t SimMmErrorAllocated = 4;   // MMSYSERR_ALLOCATED
inline constexpr uint32_t SimMmErrorInvalHandle = 5; // MMSYSERR_INVALHANDLE
inline constexpr uint32_t SimMmErrorNoDriver = 6;    // MMSYSERR_NODRIVER
inline constexpr uint32_t SimWaveStillPlaying = 33;  // WAVERR_STILLPLAYING
inline constexpr uint32_t SimWaveUnprepared = 34;    // WAVERR_UNPREPARED

class CSimWaveIn : public IWaveIn {
public:
    // No capture device: the mapper does not open.
    void SetOpenFails(bool fails) { m_OpenFails = fails; }
    // The capture devices the numbers refer to (none attached: any number opens), and which of them the
    // wave mapper takes (the user's default recording device; the first at first).
    void AttachDevices(const CSimCaptureDevices* devices) { m_Devices = devices; }
    void SetDefaultDevice(uint32_t device) { m_DefaultDevice = device; }
    // The device the open capture records from (the mapper resolved).
    uint32_t OpenedDevice() const { return m_OpenedDevice; }
    // The samples a device's microphone hears: the sample with this running number. The others are silent.
    void SetSource(uint32_t device, std::function<uint8_t(uint64_t sample)> source) {
        m_SourceDevice = device;
        m_Source = std::move(source);
    }

    // Fills the first queued buffer with the samples (as many as fit) and hands it back. False when the
    // capture is not recording or has no buffer queued.
    bool Deliver(const std::vector<uint8_t>& samples);
    // One buffer's worth from the source.
    bool DeliverFromSource();

    bool IsOpen() const { return m_Open; }
    bool Recording() const { return m_Open && m_Started; }
    size_t Queued() const { return m_Queue.size(); }
    size_t OpenCount() const { return m_OpenCount; }
    size_t CloseCount() const { return m_CloseCount; }
    const WAVE_FORMAT& Format() const { return m_Format; }

    uint32_t Open(WaveInHandle& handle, uint32_t device, const WAVE_FORMAT& format,
                  const WAVE_NOTIFY_WINDOW& window) override;
    uint32_t PrepareHeader(WaveInHandle handle, WAVE_HEADER& header) override;
    uint32_t UnprepareHeader(WaveInHandle handle, WAVE_HEADER& header) override;
    uint32_t AddBuffer(WaveInHandle handle, WAVE_HEADER& header) override;
    uint32_t Start(WaveInHandle handle) override;
    uint32_t Stop(WaveInHandle handle) override;
    uint32_t Reset(WaveInHandle handle) override;
    uint32_t Close(WaveInHandle handle) override;

private:
    bool Ours(WaveInHandle handle) const { return m_Open && handle == m_Handle; }
    void HandBack(WAVE_HEADER& header);

    bool m_OpenFails = false;
    bool m_Open = false;
    bool m_Started = false;
    WaveInHandle m_Handle = NoWaveIn;
    WaveInHandle m_NextHandle = 0x300;
    WAVE_FORMAT m_Format;
    WAVE_NOTIFY_WINDOW m_Window;
    std::deque<WAVE_HEADER*> m_Queue;
    const CSimCaptureDevices* m_Devices = nullptr;
    uint32_t m_DefaultDevice = 0;
    uint32_t m_OpenedDevice = 0;
    uint32_t m_SourceDevice = 0;
    std::function<uint8_t(uint64_t)> m_Source;
    uint64_t m_SourceSample = 0;
    size_t m_OpenCount = 0;
    size_t m_CloseCount = 0;
};

} // namespace tonvel::sim
