#include "platform/sim/SimWaveIn.h"

#include <algorithm>
#include <cstring>

namespace tonvel::sim {

uint32_t CSimWaveIn::Open(WaveInHandle& handle, uint32_t device, const WAVE_FORMAT& format,
                          const WAVE_NOTIFY_WINDOW& window) {
    handle = NoWaveIn;
    if (m_OpenFails) return SimMmErrorNoDriver;
    const uint32_t resolved = device == WaveMapper ? m_DefaultDevice : device;
    if (m_Devices && resolved >= m_Devices->Count())
        return device == WaveMapper ? SimMmErrorNoDriver : SimMmErrorBadDeviceId;
    if (m_Open) return SimMmErrorAllocated;
    m_OpenedDevice = resolved;
    m_Open = true;
    m_Started = false;
    m_Handle = handle = m_NextHandle++;
    m_Format = format;
    m_Window = window;
    ++m_OpenCount;
    return WaveNoError;
}

uint32_t CSimWaveIn::PrepareHeader(WaveInHandle handle, WAVE_HEADER& header) {
    if (!Ours(handle)) return SimMmErrorInvalHandle;
    header.Flags |= WhdrPrepared;
    return WaveNoError;
}

uint32_t CSimWaveIn::UnprepareHeader(WaveInHandle handle, WAVE_HEADER& header) {
    if (!Ours(handle)) return SimMmErrorInvalHandle;
    if (header.Flags & WhdrInQueue) return SimWaveStillPlaying;
    header.Flags &= ~WhdrPrepared;
    return WaveNoError;
}

uint32_t CSimWaveIn::AddBuffer(WaveInHandle handle, WAVE_HEADER& header) {
    if (!Ours(handle)) return SimMmErrorInvalHandle;
    if (!(header.Flags & WhdrPrepared)) return SimWaveUnprepared;
    if (header.Flags & WhdrInQueue) return SimWaveStillPlaying;
    header.Flags = (header.Flags | WhdrInQueue) & ~WhdrDone;
    header.BytesRecorded = 0;
    m_Queue.push_back(&header);
    return WaveNoError;
}

uint32_t CSimWaveIn::Start(WaveInHandle handle) {
    if (!Ours(handle)) return SimMmErrorInvalHandle;
    m_Started = true;
    return WaveNoError;
}

uint32_t CSimWaveIn::Stop(WaveInHandle handle) {
    if (!Ours(handle)) return SimMmErrorInvalHandle;
    m_Started = false;
    return WaveNoError;
}

void CSimWaveIn::HandBack(WAVE_HEADER& header) {
    header.Flags = (header.Flags | WhdrDone) & ~WhdrInQueue;
    if (m_Window.Post)
        m_Window.Post(MmWimData, m_Handle, static_cast<int64_t>(reinterpret_cast<uintptr_t>(&header)));
}

uint32_t CSimWaveIn::Reset(WaveInHandle handle) {
    if (!Ours(handle)) return SimMmErrorInvalHandle;
    m_Started = false;
    while (!m_Queue.empty()) {
        WAVE_HEADER* header = m_Queue.front();
        m_Queue.pop_front();
        HandBack(*header);
    }
    return WaveNoError;
}

uint32_t CSimWaveIn::Close(WaveInHandle handle) {
    if (!Ours(handle)) return SimMmErrorInvalHandle;
    if (!m_Queue.empty()) return SimWaveStillPlaying;
    m_Open = false;
    m_Started = false;
    m_Handle = NoWaveIn;
    m_Window = {};
    ++m_CloseCount;
    return WaveNoError;
}

bool CSimWaveIn::Deliver(const std::vector<uint8_t>& samples) {
    if (!Recording() || m_Queue.empty()) return false;
    WAVE_HEADER* header = m_Queue.front();
    m_Queue.pop_front();
    const size_t count = std::min<size_t>(samples.size(), header->BufferLength);
    if (count > 0) std::memcpy(header->Data, samples.data(), count);
    header->BytesRecorded = static_cast<uint32_t>(count);
    HandBack(*header);
    return true;
}

bool CSimWaveIn::DeliverFromSource() {
    constexpr uint8_t Silence = 128;
    if (!m_Source || !Recording() || m_Queue.empty()) return false;
    std::vector<uint8_t> samples(m_Queue.front()->BufferLength, Silence);
    if (m_OpenedDevice == m_SourceDevice)
        for (uint8_t& sample : samples)
            sample = m_Source(m_SourceSample++);
    return Deliver(samples);
}

} // namespace tonvel::sim
