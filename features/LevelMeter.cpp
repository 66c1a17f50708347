#include "features/LevelMeter.h"

#include <cstdlib>

namespace tonvel {
namespace {

constexpr uint8_t Silence = 128;

WAVE_FORMAT CaptureFormat() {
    WAVE_FORMAT format;
    format.FormatTag = WaveFormatPcm;
    format.Channels = 1;
    format.SamplesPerSec = 8000;
    format.AvgBytesPerSec = 8000;
    format.BlockAlign = 1;
    format.BitsPerSample = 8;
    return format;
}

} // namespace

uint32_t LevelOfSamples(const uint8_t* samples, uint32_t count, int32_t barLength) {
    uint32_t sum = 0;
    for (uint32_t i = 0; i < count && i < LevelBufferBytes; ++i)
        sum += static_cast<uint32_t>(std::abs(static_cast<int>(samples[i]) - Silence));
    const uint32_t average = sum / LevelBufferBytes;
    return (static_cast<uint32_t>(barLength) * 2U * average) >> 7;
}

int32_t LevelBarWidth(uint32_t level, int32_t barLength) {
    if (level == 0) return 0;
    if (barLength < LevelBarFirstWidth) return -1;
    const uint32_t steps = static_cast<uint32_t>((barLength - LevelBarFirstWidth) / LevelBarStep) + 1;
    const uint32_t n = level < steps ? level : steps;
    return LevelBarFirstWidth + LevelBarStep * static_cast<int32_t>(n - 1);
}

int32_t CLevelMeter::Start(uint32_t device, const WAVE_NOTIFY_WINDOW& window) {
    if (m_Capture) return 0;
    auto capture = std::make_unique<CAPTURE>();
    if (m_WaveIn.Open(capture->Handle, device, CaptureFormat(), window) != WaveNoError) return 1;
    for (size_t i = 0; i < capture->Headers.size(); ++i) {
        WAVE_HEADER& header = capture->Headers[i];
        header.Data = capture->Buffers[i].data();
        header.BufferLength = LevelBufferBytes;
        header.Loops = 1;
        m_WaveIn.PrepareHeader(capture->Handle, header);
        m_WaveIn.AddBuffer(capture->Handle, header);
    }
    m_WaveIn.Start(capture->Handle);
    m_Capture = std::move(capture);
    return 0;
}

void CLevelMeter::Stop() {
    if (!m_Capture) return;
    CAPTURE& capture = *m_Capture;
    m_WaveIn.Stop(capture.Handle);
    // The reset marks both buffers done and hands them back; only then may they be unprepared and freed.
    m_WaveIn.Reset(capture.Handle);
    for (WAVE_HEADER& header : capture.Headers)
        m_WaveIn.UnprepareHeader(capture.Handle, header);
    m_WaveIn.Close(capture.Handle);
    m_Capture.reset();
}

WAVE_HEADER* CLevelMeter::OwnHeader(int64_t header) const {
    if (!m_Capture) return nullptr;
    const auto address = static_cast<uintptr_t>(header);
    for (WAVE_HEADER& own : m_Capture->Headers)
        if (reinterpret_cast<uintptr_t>(&own) == address) return &own;
    return nullptr;
}

bool CLevelMeter::OnData(int64_t header, uint32_t& level, int32_t barLength) {
    WAVE_HEADER* own = OwnHeader(header);
    // A message left from an earlier capture may name a buffer of this one that is still queued.
    if (!own || (own->Flags & WhdrDone) == 0 || (own->Flags & WhdrInQueue) != 0) return false;
    level = LevelOfSamples(reinterpret_cast<const uint8_t*>(own->Data), own->BytesRecorded, barLength);
    m_WaveIn.AddBuffer(m_Capture->Handle, *own);
    return true;
}

} // namespace tonvel
