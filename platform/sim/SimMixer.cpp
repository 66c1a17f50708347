#include "platform/sim/SimMixer.h"

namespace tonvel::sim {
namespace {

// Control IDs: the line number times this, plus the control's index plus 1.
constexpr uint32_t ControlsPerLine = 100;

} // namespace

size_t CSimMixer::Add(SIM_MIXER mixer) {
    m_Mixers.push_back(std::move(mixer));
    return m_Mixers.size() - 1;
}

uint32_t CSimMixer::Open(uint32_t index, MixerHandle& mixer) {
    mixer = NoMixer;
    if (index >= m_Mixers.size()) return MmErrorBadDeviceId;
    if (!m_Mixers[index].Opens) return MmErrorBadDeviceId;
    mixer = m_NextHandle++;
    m_Handles[mixer] = index;
    ++m_OpenCount;
    return MmNoError;
}

uint32_t CSimMixer::Close(MixerHandle mixer) {
    return m_Handles.erase(mixer) != 0 ? MmNoError : MmErrorInvalHandle;
}

SIM_MIXER* CSimMixer::Of(MixerHandle mixer) {
    const auto it = m_Handles.find(mixer);
    return it == m_Handles.end() ? nullptr : &m_Mixers[it->second];
}

SIM_MIXER_LINE* CSimMixer::Line(SIM_MIXER& mixer, uint32_t lineId) {
    if (lineId == 0) return mixer.HasWaveIn ? &mixer.WaveIn : nullptr;
    return lineId <= mixer.Sources.size() ? &mixer.Sources[lineId - 1] : nullptr;
}

SIM_MIXER_CONTROL* CSimMixer::Control(SIM_MIXER& mixer, uint32_t controlId) {
    SIM_MIXER_LINE* line = Line(mixer, controlId / ControlsPerLine);
    const uint32_t index = controlId % ControlsPerLine;
    if (!line || index == 0 || index > line->Controls.size()) return nullptr;
    return &line->Controls[index - 1];
}

MIXER_LINE CSimMixer::Describe(const SIM_MIXER_LINE& line, uint32_t lineId) {
    MIXER_LINE out;
    out.LineID = lineId;
    out.Source = lineId == 0 ? 0 : lineId - 1;
    out.ComponentType = line.ComponentType;
    out.Controls = static_cast<uint32_t>(line.Controls.size());
    out.TargetName = line.TargetName;
    return out;
}

uint32_t CSimMixer::GetLineByComponentType(MixerHandle mixer, uint32_t type, MIXER_LINE& line) {
    SIM_MIXER* m = Of(mixer);
    if (!m) return MmErrorInvalHandle;
    if (type != MixerDstWaveIn || !m->HasWaveIn) return MixerErrInvalLine;
    line = Describe(m->WaveIn, 0);
    line.Connections = static_cast<uint32_t>(m->Sources.size());
    return MmNoError;
}

uint32_t CSimMixer::GetSourceLine(MixerHandle mixer, uint32_t destination, uint32_t source,
                                  MIXER_LINE& line) {
    SIM_MIXER* m = Of(mixer);
    if (!m) return MmErrorInvalHandle;
    if (destination != 0 || source >= m->Sources.size() || !m->Sources[source].LineReadable)
        return MixerErrInvalLine;
    line = Describe(m->Sources[source], source + 1);
    return MmNoError;
}

uint32_t CSimMixer::GetAllControls(MixerHandle mixer, const MIXER_LINE& line,
                                   std::vector<MIXER_CONTROL>& controls) {
    SIM_MIXER* m = Of(mixer);
    if (!m) return MmErrorInvalHandle;
    SIM_MIXER_LINE* l = Line(*m, line.LineID);
    if (!l || !l->ControlsReadable) return MixerErrInvalLine;
    controls.clear();
    for (uint32_t i = 0; i < l->Controls.size(); ++i) {
        const SIM_MIXER_CONTROL& c = l->Controls[i];
        controls.push_back({line.LineID * ControlsPerLine + i + 1, c.ControlType, c.Minimum, c.Maximum});
    }
    return MmNoError;
}

uint32_t CSimMixer::GetControlByType(MixerHandle mixer, uint32_t lineId, uint32_t type,
                                     MIXER_CONTROL& control) {
    SIM_MIXER* m = Of(mixer);
    if (!m) return MmErrorInvalHandle;
    SIM_MIXER_LINE* l = Line(*m, lineId);
    if (!l || !l->ControlsReadable) return MixerErrInvalLine;
    for (uint32_t i = 0; i < l->Controls.size(); ++i) {
        const SIM_MIXER_CONTROL& c = l->Controls[i];
        if (c.ControlType != type) continue;
        control = {lineId * ControlsPerLine + i + 1, c.ControlType, c.Minimum, c.Maximum};
        return MmNoError;
    }
    return MixerErrInvalControl;
}

uint32_t CSimMixer::GetControlValue(MixerHandle mixer, uint32_t controlId, uint32_t& value) {
    SIM_MIXER* m = Of(mixer);
    if (!m) return MmErrorInvalHandle;
    SIM_MIXER_CONTROL* c = Control(*m, controlId);
    if (!c || !c->ValueReadable) return MixerErrInvalControl;
    value = c->Value;
    return MmNoError;
}

uint32_t CSimMixer::SetControlValue(MixerHandle mixer, uint32_t controlId, uint32_t value) {
    SIM_MIXER* m = Of(mixer);
    if (!m) return MmErrorInvalHandle;
    SIM_MIXER_CONTROL* c = Control(*m, controlId);
    if (!c || !c->ValueWritable) return MixerErrInvalControl;
    c->Value = value;
    return MmNoError;
}

} // namespace tonvel::sim
