#pragma once
// Windows audio outside Core Audio on real Windows: the wave-in capture devices with their interface paths,
// the legacy winmm mixer, and wave-in capture with window notifications.

#include "platform/api/CaptureDevices.h"
#include "platform/api/Mixer.h"
#include "platform/api/WaveIn.h"

namespace tonvel::win32 {

class CWin32CaptureDevices : public ICaptureDevices {
public:
    bool Enumerate(const CaptureDeviceCallback& callback) override;
};

class CWin32Mixer : public IMixer {
public:
    std::uint32_t GetNumDevs() override;
    std::uint32_t Open(std::uint32_t index, MixerHandle& mixer) override;
    std::uint32_t Close(MixerHandle mixer) override;
    std::uint32_t GetLineByComponentType(MixerHandle mixer, std::uint32_t type, MIXER_LINE& line) override;
    std::uint32_t GetSourceLine(MixerHandle mixer, std::uint32_t destination, std::uint32_t source,
                                MIXER_LINE& line) override;
    std::uint32_t GetAllControls(MixerHandle mixer, const MIXER_LINE& line,
                                 std::vector<MIXER_CONTROL>& controls) override;
    std::uint32_t GetControlByType(MixerHandle mixer, std::uint32_t lineId, std::uint32_t type,
                                   MIXER_CONTROL& control) override;
    std::uint32_t GetControlValue(MixerHandle mixer, std::uint32_t controlId, std::uint32_t& value) override;
    std::uint32_t SetControlValue(MixerHandle mixer, std::uint32_t controlId, std::uint32_t value) override;
};

class CWin32WaveIn : public IWaveIn {
public:
    std::uint32_t Open(WaveInHandle& handle, std::uint32_t device, const WAVE_FORMAT& format,
                       const WAVE_NOTIFY_WINDOW& window) override;
    std::uint32_t PrepareHeader(WaveInHandle handle, WAVE_HEADER& header) override;
    std::uint32_t UnprepareHeader(WaveInHandle handle, WAVE_HEADER& header) override;
    std::uint32_t AddBuffer(WaveInHandle handle, WAVE_HEADER& header) override;
    std::uint32_t Start(WaveInHandle handle) override;
    std::uint32_t Stop(WaveInHandle handle) override;
    std::uint32_t Reset(WaveInHandle handle) override;
    std::uint32_t Close(WaveInHandle handle) override;
};

} // namespace tonvel::win32
