#pragma once
// The Mic page's level meter: records the device's own capture device (8000 samples per second, 8-bit mono)
// into two 400-byte buffers that alternate between the capture and the window, and turns each filled buffer's
// average amplitude into the width of the level bar.
//
// A stop resets the capture, which hands both buffers back as MM_WIM_DATA messages that are only queued;
// the buffers are freed once the capture has returned them, and a message for a buffer that is not one of
// the running capture's (or not yet filled) is ignored without touching it.

#include "platform/api/WaveIn.h"

#include <array>
#include <cstdint>
#include <memory>

namespace tonvel {

inline constexpr uint32_t LevelBufferBytes = 400;
inline constexpr int32_t LevelBarFirstWidth = 10;
inline constexpr int32_t LevelBarStep = 4;

// The level of one buffer: (bar length × 2 × average |sample − 128|) >> 7.
uint32_t LevelOfSamples(const uint8_t* samples, uint32_t count, int32_t barLength);
// The bar's width for a level: 0 for level 0, else the largest 10 + 4 × (n − 1) with n ≤ level that is not
// above the bar length; -1 when no width fits (the bar keeps its width).
int32_t LevelBarWidth(uint32_t level, int32_t barLength);

class CLevelMeter {
public:
    explicit CLevelMeter(IWaveIn& waveIn) : m_WaveIn(waveIn) {}
    CLevelMeter(const CLevelMeter&) = delete;
    CLevelMeter& operator=(const CLevelMeter&) = delete;
    ~CLevelMeter() { Stop(); }

    // Opens the capture device (its wave-in number) with notifications to the window and starts recording
    // into both buffers. 0; 1 when
    // the capture cannot be opened. While running, a start does nothing.
    int32_t Start(uint32_t device, const WAVE_NOTIFY_WINDOW& window);
    // Stops, resets and closes the capture; the buffers go once it has returned them.
    void Stop();
    bool Running() const { return m_Capture != nullptr; }

    // MM_WIM_DATA: the filled buffer's level (false for a buffer that is not the running capture's); the
    // buffer is queued again.
    bool OnData(int64_t header, uint32_t& level, int32_t barLength);

private:
    struct CAPTURE {
        WaveInHandle Handle = NoWaveIn;
        std::array<std::array<char, LevelBufferBytes>, 2> Buffers{};
        std::array<WAVE_HEADER, 2> Headers{};
    };
    WAVE_HEADER* OwnHeader(int64_t header) const;

    IWaveIn& m_WaveIn;
    std::unique_ptr<CAPTURE> m_Capture;
};

} // namespace tonvel
