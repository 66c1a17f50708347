#pragma once
// Simulated legacy mixers: each with an optional wave-in destination line, its source lines and the
// controls of every line with their values; failures of opening, of reading a line's controls, of reading a
// source line and of reading or writing a value. It counts opened and closed handles.

#include "platform/api/Mixer.h"

#include <cstddef>
#include <map>
#include <vector>

namespace tonvel::sim {

struct SIM_MIXER_CONTROL {
    uint32_t ControlType = 0;
    uint32_t Minimum = 0;
    uint32_t Maximum = 65535;
    uint32_t Value = 0;
    bool ValueReadable = true;
    bool ValueWritable = true;
};

struct SIM_MIXER_LINE {
    uint32_t ComponentType = MixerSrcMicrophone;
    std::u16string TargetName;
    std::vector<SIM_MIXER_CONTROL> Controls;
    bool ControlsReadable = true;
    bool LineReadable = true; // as a source line
};

inline SIM_MIXER_LINE SimWaveInLine(std::u16string targetName) {
    SIM_MIXER_LINE line;
    line.ComponentType = MixerDstWaveIn;
    line.TargetName = std::move(targetName);
    return line;
}

struct SIM_MIXER {
    bool Opens = true;
    bool HasWaveIn = true;
    SIM_MIXER_LINE WaveIn = SimWaveInLine(u"");
    std::vector<SIM_MIXER_LINE> Sources;
};

class CSimMixer : public IMixer {
public:
    size_t Add(SIM_MIXER mixer);
    SIM_MIXER& Mixer(size_t index) { return m_Mixers[index]; }

    size_t OpenCount() const { return m_OpenCount; }
    size_t OpenHandles() const { return m_Handles.size(); }

    uint32_t GetNumDevs() override { return static_cast<uint32_t>(m_Mixers.size()); }
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

private:
    SIM_MIXER* Of(MixerHandle mixer);
    // Line 0 is the wave-in destination, line n the source n - 1.
    SIM_MIXER_LINE* Line(SIM_MIXER& mixer, uint32_t lineId);
    SIM_MIXER_CONTROL* Control(SIM_MIXER& mixer, uint32_t controlId);
    static MIXER_LINE Describe(const SIM_MIXER_LINE& line, uint32_t lineId);

    std::vector<SIM_MIXER> m_Mixers;
    std::map<MixerHandle, size_t> m_Handles;
    MixerHandle m_NextHandle = 0x100;
    size_t m_OpenCount = 0;
};

} // namespace tonvel::sim
