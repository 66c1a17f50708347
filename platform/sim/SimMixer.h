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
    std::uint32_t ControlType = 0;
    std::uint32_t Minimum = 0;
    std::uint32_t Maximum = 65535;
    std::uint32_t Value = 0;
    bool ValueReadable = true;
    bool ValueWritable = true;
};

struct SIM_MIXER_LINE {
    std::uint32_t ComponentType = kMixerSrcMicrophone;
    std::u16string TargetName;
    std::vector<SIM_MIXER_CONTROL> Controls;
    bool ControlsReadable = true;
    bool LineReadable = true; // as a source line
};

inline SIM_MIXER_LINE SimWaveInLine(std::u16string targetName) {
    SIM_MIXER_LINE line;
    line.ComponentType = kMixerDstWaveIn;
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
    std::size_t Add(SIM_MIXER mixer);
    SIM_MIXER& Mixer(std::size_t index) { return m_Mixers[index]; }

    std::size_t OpenCount() const { return m_OpenCount; }
    std::size_t OpenHandles() const { return m_Handles.size(); }

    std::uint32_t GetNumDevs() override { return static_cast<std::uint32_t>(m_Mixers.size()); }
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

private:
    SIM_MIXER* Of(MixerHandle mixer);
    // Line 0 is the wave-in destination, line n the source n - 1.
    SIM_MIXER_LINE* Line(SIM_MIXER& mixer, std::uint32_t lineId);
    SIM_MIXER_CONTROL* Control(SIM_MIXER& mixer, std::uint32_t controlId);
    static MIXER_LINE Describe(const SIM_MIXER_LINE& line, std::uint32_t lineId);

    std::vector<SIM_MIXER> m_Mixers;
    std::map<MixerHandle, std::size_t> m_Handles;
    MixerHandle m_NextHandle = 0x100;
    std::size_t m_OpenCount = 0;
};

} // namespace tonvel::sim
