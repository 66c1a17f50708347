#include "platform/sim/SimWaveIn.h"

#include <algorithm>
#include <cstring>

namespace tonvel::sim {

std::uint32_t CSimWaveIn::Open(WaveInHandle& handle, std::uint32_t device, const WAVE_FORMAT& format,
                               const WAVE_NOTIFY_WINDOW& window) {
    handle = kNoWaveIn;
    if (m_OpenFails) return kSimMmErrorNoDriver;
    const std::uint32_t resolved = device == kWaveMapper ? m_DefaultDevice : device;
    if (m_Devices && resolved >= m_Devices->Count())
        return device == kWaveMapper ? kSimMmErrorNoDriver : kSimMmErrorBadDeviceId;
    if (m_Open) return kSimMmErrorAllocated;
    m_OpenedDevice = resolved;
    m_Open = true;
    m_Started = false;
    m_Handle = handle = m_NextHandle++;
    m_Format = format;
    m_Window = window;
    ++m_OpenCount;
    return kWaveNoError;
}

std::uint32_t CSimWaveIn::PrepareHeader(WaveInHandle handle, WAVE_HEADER& header) {
    if (!Ours(handle)) return kSimMmErrorInvalHandle;
    header.Flags |= kWhdrPrepared;
    return kWaveNoError;
}

std::uint32_t CSimWaveIn::UnprepareHeader(WaveInHandle handle, WAVE_HEADER& header) {
    if (!Ours(handle)) return kSimMmErrorInvalHandle;
    if (header.Flags & kWhdrInQueue) return kSimWaveStillPlaying;
    header.Flags &= ~kWhdrPrepared;
    return kWaveNoError;
}

std::uint32_t CSimWaveIn::AddBuffer(WaveInHandle handle, WAVE_HEADER& header) {
    if (!Ours(handle)) return kSimMmErrorInvalHandle;
    if (!(header.Flags & kWhdrPrepared)) return kSimWaveUnprepared;
    if (header.Flags & kWhdrInQueue) return kSimWaveStillPlaying;
    header.Flags = (header.Flags | kWhdrInQueue) & ~kWhdrDone;
    header.BytesRecorded = 0;
    m_Queue.push_back(&header);
    return kWaveNoError;
}

std::uint32_t CSimWaveIn::Start(WaveInHandle handle) {
    if (!Ours(handle)) return kSimMmErrorInvalHandle;
    m_Started = true;
    return kWaveNoError;
}

std::uint32_t CSimWaveIn::Stop(WaveInHandle handle) {
    if (!Ours(handle)) return kSimMmErrorInvalHandle;
    m_Started = false;
    return kWaveNoError;
}

void CSimWaveIn::HandBack(WAVE_HEADER& header) {
    header.Flags = (header.Flags | kWhdrDone) & ~kWhdrInQueue;
    if (m_Window.Post)
        m_Window.Post(kMmWimData, m_Handle,
                      static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(&header)));
}

std::uint32_t CSimWaveIn::Reset(WaveInHandle handle) {
    if (!Ours(handle)) return kSimMmErrorInvalHandle;
    m_Started = false;
    while (!m_Queue.empty()) {
        WAVE_HEADER* header = m_Queue.front();
        m_Queue.pop_front();
        HandBack(*header);
    }
    return kWaveNoError;
}

std::uint32_t CSimWaveIn::Close(WaveInHandle handle) {
    if (!Ours(handle)) return kSimMmErrorInvalHandle;
    if (!m_Queue.empty()) return kSimWaveStillPlaying;
    m_Open = false;
    m_Started = false;
    m_Handle = kNoWaveIn;
    m_Window = {};
    ++m_CloseCount;
    return kWaveNoError;
}

bool CSimWaveIn::Deliver(const std::vector<std::uint8_t>& samples) {
    if (!Recording() || m_Queue.empty()) return false;
    WAVE_HEADER* header = m_Queue.front();
    m_Queue.pop_front();
    const std::size_t count = std::min<std::size_t>(samples.size(), header->BufferLength);
    if (count > 0) std::memcpy(header->Data, samples.data(), count);
    header->BytesRecorded = static_cast<std::uint32_t>(count);
    HandBack(*header);
    return true;
}

bool CSimWaveIn::DeliverFromSource() {
    constexpr std::uint8_t kSilence = 128;
    if (!m_Source || !Recording() || m_Queue.empty()) return false;
    std::vector<std::uint8_t> samples(m_Queue.front()->BufferLength, kSilence);
    if (m_OpenedDevice == m_SourceDevice)
        for (std::uint8_t& sample : samples)
            sample = m_Source(m_SourceSample++);
    return Deliver(samples);
}

} // namespace tonvel::sim
