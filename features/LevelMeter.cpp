#include "features/LevelMeter.h"

#include <cstdlib>

namespace tonvel {
namespace {

constexpr std::uint8_t kSilence = 128;

WAVE_FORMAT CaptureFormat() {
    WAVE_FORMAT format;
    format.FormatTag = kWaveFormatPcm;
    format.Channels = 1;
    format.SamplesPerSec = 8000;
    format.AvgBytesPerSec = 8000;
    format.BlockAlign = 1;
    format.BitsPerSample = 8;
    return format;
}

} // namespace

std::uint32_t LevelOfSamples(const std::uint8_t* samples, std::uint32_t count, std::int32_t barLength) {
    std::uint32_t sum = 0;
    for (std::uint32_t i = 0; i < count && i < LevelBufferBytes; ++i)
        sum += static_cast<std::uint32_t>(std::abs(static_cast<int>(samples[i]) - kSilence));
    const std::uint32_t average = sum / LevelBufferBytes;
    return (static_cast<std::uint32_t>(barLength) * 2U * average) >> 7;
}

std::int32_t LevelBarWidth(std::uint32_t level, std::int32_t barLength) {
    if (level == 0) return 0;
    if (barLength < LevelBarFirstWidth) return -1;
    const std::uint32_t steps =
        static_cast<std::uint32_t>((barLength - LevelBarFirstWidth) / LevelBarStep) + 1;
    const std::uint32_t n = level < steps ? level : steps;
    return LevelBarFirstWidth + LevelBarStep * static_cast<std::int32_t>(n - 1);
}

std::int32_t CLevelMeter::Start(std::uint32_t device, const WAVE_NOTIFY_WINDOW& window) {
    if (m_Capture) return 0;
    auto capture = std::make_unique<CAPTURE>();
    if (m_WaveIn.Open(capture->Handle, device, CaptureFormat(), window) != kWaveNoError) return 1;
    for (std::size_t i = 0; i < capture->Headers.size(); ++i) {
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

WAVE_HEADER* CLevelMeter::OwnHeader(std::int64_t header) const {
    if (!m_Capture) return nullptr;
    const auto address = static_cast<std::uintptr_t>(header);
    for (WAVE_HEADER& own : m_Capture->Headers)
        if (reinterpret_cast<std::uintptr_t>(&own) == address) return &own;
    return nullptr;
}

bool CLevelMeter::OnData(std::int64_t header, std::uint32_t& level, std::int32_t barLength) {
    WAVE_HEADER* own = OwnHeader(header);
    // A message left from an earlier capture may name a buffer of this one that is still queued.
    if (!own || (own->Flags & kWhdrDone) == 0 || (own->Flags & kWhdrInQueue) != 0) return false;
    level = LevelOfSamples(reinterpret_cast<const std::uint8_t*>(own->Data), own->BytesRecorded, barLength);
    m_WaveIn.AddBuffer(m_Capture->Handle, *own);
    return true;
}

} // namespace tonvel
