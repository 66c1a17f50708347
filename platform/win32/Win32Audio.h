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
    uint32_t GetNumDevs() override;
    uint32_t Open(uint32_t index, MixerHandle& mixer) override;
    uint32_t Close(MixerHandle mixer) override;
    uint32_t GetLineByComponentType(MixerHandle mixer, uint32_t type, MIXER_LINE& line) override;
    uint32_t GetSourceLine(MixerHandle mixer, uint32_t destination, uint32_t source,
                           MIXER_LINE& line) override;
    uint32_t GetAllControls(MixerHandle mixer, const MIXER_LINE& line,
                            std::vector<MIXER_CONTROL>& controls) override;
    uint32_t GetControlByType(MixerHandle mixer, uint32_t lineId, uint32_t type,
                              MIXER_CONTROL& control) override;
    uint32_t GetControlValue(MixerHandle mixer, uint32_t controlId, uint32_t& value) override;
    uint32_t SetControlValue(MixerHandle mixer, uint32_t controlId, uint32_t value) override;
};

class CWin32WaveIn : public IWaveIn {
public:
    uint32_t Open(WaveInHandle& handle, uint32_t device, const WAVE_FORMAT& format,
                  const WAVE_NOTIFY_WINDOW& window) override;
    uint32_t PrepareHeader(WaveInHandle handle, WAVE_HEADER& header) override;
    uint32_t UnprepareHeader(WaveInHandle handle, WAVE_HEADER& header) override;
    uint32_t AddBuffer(WaveInHandle handle, WAVE_HEADER& header) override;
    uint32_t Start(WaveInHandle handle) override;
    uint32_t Stop(WaveInHandle handle) override;
    uint32_t Reset(WaveInHandle handle) override;
    uint32_t Close(WaveInHandle handle) override;
};

} // namespace tonvel::win32
