#pragma once
// Wave-in capture (winmm) with notifications to a window: open a capture device, prepare and queue buffers,
// start, stop, reset, close. The capture posts MM_WIM_DATA to the window with the filled buffer's header
// as lParam; a reset hands every queued buffer back the same way.

#include <cstdint>
#include <functional>

namespace tonvel {

using WaveInHandle = uintptr_t;
inline constexpr WaveInHandle NoWaveIn = 0;

// Window messages of the capture.
inline constexpr uint32_t MmWimOpen = 0x3BE;  // MM_WIM_OPEN
inline constexpr uint32_t MmWimClose = 0x3BF; // MM_WIM_CLOSE
inline constexpr uint32_t MmWimData = 0x3C0;  // MM_WIM_DATA

inline constexpr uint32_t WaveNoError = 0; // MMSYSERR_NOERROR
// The wave mapper: the user's default recording device, whichever it is.
inline constexpr uint32_t WaveMapper = 0xFFFFFFFF; // WAVE_MAPPER
inline constexpr uint32_t WaveFormatPcm = 1;
// Header flags.
inline constexpr uint32_t WhdrDone = 0x01;
inline constexpr uint32_t WhdrPrepared = 0x02;
inline constexpr uint32_t WhdrInQueue = 0x10;

// WAVEFORMATEX without extra bytes.
struct WAVE_FORMAT {
    uint16_t FormatTag = WaveFormatPcm;
    uint16_t Channels = 0;
    uint32_t SamplesPerSec = 0;
    uint32_t AvgBytesPerSec = 0;
    uint16_t BlockAlign = 0;
    uint16_t BitsPerSample = 0;
};

// WAVEHDR, field for field (the Windows implementation hands it to winmm as it is).
struct WAVE_HEADER {
    char* Data = nullptr;
    uint32_t BufferLength = 0;
    uint32_t BytesRecorded = 0;
    uintptr_t User = 0;
    uint32_t Flags = 0;
    uint32_t Loops = 0;
    WAVE_HEADER* Next = nullptr;
    uintptr_t Reserved = 0;
};

// Where the capture's messages go: the window (its handle on Windows), and the way to post to it that a
// platform without such windows uses.
struct WAVE_NOTIFY_WINDOW {
    uintptr_t Window = 0;
    std::function<void(uint32_t message, uint64_t wParam, int64_t lParam)> Post;
};

class IWaveIn {
public:
    virtual ~IWaveIn() = default;

    // waveInOpen(device, format, CALLBACK_WINDOW) on a device's wave-in number (or WaveMapper); an
    // MMSYSERR code (0 on success).
    virtual uint32_t Open(WaveInHandle& handle, uint32_t device, const WAVE_FORMAT& format,
                          const WAVE_NOTIFY_WINDOW& window) = 0;
    virtual uint32_t PrepareHeader(WaveInHandle handle, WAVE_HEADER& header) = 0;
    virtual uint32_t UnprepareHeader(WaveInHandle handle, WAVE_HEADER& header) = 0;
    virtual uint32_t AddBuffer(WaveInHandle handle, WAVE_HEADER& header) = 0;
    virtual uint32_t Start(WaveInHandle handle) = 0;
    virtual uint32_t Stop(WaveInHandle handle) = 0;
    // Marks every queued buffer done and hands it back (MM_WIM_DATA per buffer).
    virtual uint32_t Reset(WaveInHandle handle) = 0;
    virtual uint32_t Close(WaveInHandle handle) = 0;
};

} // namespace tonvel
