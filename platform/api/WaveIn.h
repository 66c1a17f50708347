#pragma once
// Wave-in capture (winmm) with notifications to a window: open a capture device, prepare and queue buffers,
// start, stop, reset, close. The capture posts MM_WIM_DATA to the window with the filled buffer's header
// as lParam; a reset hands every queued buffer back the same way.

#include <cstdint>
#include <functional>

namespace tonvel {

using WaveInHandle = std::uintptr_t;
inline constexpr WaveInHandle kNoWaveIn = 0;

// Window messages of the capture.
inline constexpr std::uint32_t kMmWimOpen = 0x3BE;  // MM_WIM_OPEN
inline constexpr std::uint32_t kMmWimClose = 0x3BF; // MM_WIM_CLOSE
inline constexpr std::uint32_t kMmWimData = 0x3C0;  // MM_WIM_DATA

inline constexpr std::uint32_t kWaveNoError = 0; // MMSYSERR_NOERROR
// The wave mapper: the user's default recording device, whichever it is.
inline constexpr std::uint32_t kWaveMapper = 0xFFFFFFFF; // WAVE_MAPPER
inline constexpr std::uint32_t kWaveFormatPcm = 1;
// Header flags.
inline constexpr std::uint32_t kWhdrDone = 0x01;
inline constexpr std::uint32_t kWhdrPrepared = 0x02;
inline constexpr std::uint32_t kWhdrInQueue = 0x10;

// WAVEFORMATEX without extra bytes.
struct WAVE_FORMAT {
    std::uint16_t FormatTag = kWaveFormatPcm;
    std::uint16_t Channels = 0;
    std::uint32_t SamplesPerSec = 0;
    std::uint32_t AvgBytesPerSec = 0;
    std::uint16_t BlockAlign = 0;
    std::uint16_t BitsPerSample = 0;
};

// WAVEHDR, field for field (the Windows implementation hands it to winmm as it is).
struct WAVE_HEADER {
    char* Data = nullptr;
    std::uint32_t BufferLength = 0;
    std::uint32_t BytesRecorded = 0;
    std::uintptr_t User = 0;
    std::uint32_t Flags = 0;
    std::uint32_t Loops = 0;
    WAVE_HEADER* Next = nullptr;
    std::uintptr_t Reserved = 0;
};

// Where the capture's messages go: the window (its handle on Windows), and the way to post to it that a
// platform without such windows uses.
struct WAVE_NOTIFY_WINDOW {
    std::uintptr_t Window = 0;
    std::function<void(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam)> Post;
};

class IWaveIn {
public:
    virtual ~IWaveIn() = default;

    // waveInOpen(device, format, CALLBACK_WINDOW) on a device's wave-in number (or kWaveMapper); an
    // MMSYSERR code (0 on success).
    virtual std::uint32_t Open(WaveInHandle& handle, std::uint32_t device, const WAVE_FORMAT& format,
                               const WAVE_NOTIFY_WINDOW& window) = 0;
    virtual std::uint32_t PrepareHeader(WaveInHandle handle, WAVE_HEADER& header) = 0;
    virtual std::uint32_t UnprepareHeader(WaveInHandle handle, WAVE_HEADER& header) = 0;
    virtual std::uint32_t AddBuffer(WaveInHandle handle, WAVE_HEADER& header) = 0;
    virtual std::uint32_t Start(WaveInHandle handle) = 0;
    virtual std::uint32_t Stop(WaveInHandle handle) = 0;
    // Marks every queued buffer done and hands it back (MM_WIM_DATA per buffer).
    virtual std::uint32_t Reset(WaveInHandle handle) = 0;
    virtual std::uint32_t Close(WaveInHandle handle) = 0;
};

} // namespace tonvel
