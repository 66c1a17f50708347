#include "device/LegacyMixer.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tonvel {
namespace {

uint32_t ControlType(MIXER_OPERATION operation) {
    switch (operation) {
    case MIXER_OPERATION::ReadVolume:
    case MIXER_OPERATION::SetVolume:
        return MixerControlVolume;
    case MIXER_OPERATION::ReadMute:
    case MIXER_OPERATION::SetMute:
        return MixerControlMute;
    default:
        return MixerControlMux;
    }
}

bool IsSet(MIXER_OPERATION operation) {
    return static_cast<int32_t>(operation) % 2 == 1;
}

char16_t Lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

// Compared without regard to letter case over the length of the shorter.
bool SameProduct(const std::u16string& a, const std::u16string& b) {
    const size_t length = std::min(a.size(), b.size());
    return std::equal(a.begin(), a.begin() + static_cast<ptrdiff_t>(length), b.begin(),
                      [](char16_t x, char16_t y) { return Lower(x) == Lower(y); });
}

// An open mixer, closed on every path.
class CMixerScope {
public:
    CMixerScope(IMixer& mixer, uint32_t index) : m_Mixer(mixer) {
        m_Opened = mixer.Open(index, m_Handle) == MmNoError;
    }
    CMixerScope(const CMixerScope&) = delete;
    CMixerScope& operator=(const CMixerScope&) = delete;
    ~CMixerScope() {
        if (m_Opened) m_Mixer.Close(m_Handle);
    }
    bool Opened() const { return m_Opened; }
    MixerHandle Handle() const { return m_Handle; }

private:
    IMixer& m_Mixer;
    MixerHandle m_Handle = NoMixer;
    bool m_Opened = false;
};

enum class LINE_SEARCH { Found, NotHere, Failed };

// Whether the line's controls include the type; nullopt when they cannot be read.
std::optional<bool> HasControl(IMixer& mixer, MixerHandle handle, const MIXER_LINE& line, uint32_t type) {
    std::vector<MIXER_CONTROL> controls;
    if (mixer.GetAllControls(handle, line, controls) != MmNoError) return std::nullopt;
    return std::any_of(controls.begin(), controls.end(),
                       [type](const MIXER_CONTROL& c) { return c.ControlType == type; });
}

// The wave-in line itself, else the first microphone or undefined source with the control.
LINE_SEARCH ChooseLine(IMixer& mixer, MixerHandle handle, const MIXER_LINE& waveIn, uint32_t type,
                       uint32_t& lineId) {
    const std::optional<bool> own = HasControl(mixer, handle, waveIn, type);
    if (!own) return LINE_SEARCH::Failed;
    if (*own) {
        lineId = waveIn.LineID;
        return LINE_SEARCH::Found;
    }
    for (uint32_t s = 0; s < waveIn.Connections; ++s) {
        MIXER_LINE source;
        if (mixer.GetSourceLine(handle, waveIn.Destination, s, source) != MmNoError) break;
        if (source.ComponentType != MixerSrcMicrophone && source.ComponentType != MixerSrcUndefined) continue;
        const std::optional<bool> has = HasControl(mixer, handle, source, type);
        if (!has) return LINE_SEARCH::Failed;
        if (*has) {
            lineId = source.LineID;
            return LINE_SEARCH::Found;
        }
    }
    return LINE_SEARCH::NotHere;
}

bool Access(IMixer& mixer, MixerHandle handle, uint32_t lineId, MIXER_OPERATION operation,
            MIXER_VALUE& value) {
    MIXER_CONTROL control;
    if (mixer.GetControlByType(handle, lineId, ControlType(operation), control) != MmNoError) return false;
    value.Minimum = control.Minimum;
    value.Maximum = control.Maximum;
    if (IsSet(operation)) return mixer.SetControlValue(handle, control.ControlID, value.Value) == MmNoError;
    return mixer.GetControlValue(handle, control.ControlID, value.Value) == MmNoError;
}

} // namespace

bool RunMixerOperation(IMixer& mixer, const std::u16string& deviceName, MIXER_OPERATION operation,
                       MIXER_VALUE& value) {
    // No capture device of ours: the empty name is the prefix of every product name.
    if (deviceName.empty()) return false;
    const uint32_t count = mixer.GetNumDevs();
    for (uint32_t i = 0; i < count; ++i) {
        CMixerScope scope(mixer, i);
        if (!scope.Opened()) continue;
        MIXER_LINE waveIn;
        if (mixer.GetLineByComponentType(scope.Handle(), MixerDstWaveIn, waveIn) != MmNoError) continue;
        if (!SameProduct(waveIn.TargetName, deviceName)) continue;
        uint32_t lineId = 0;
        const LINE_SEARCH search = ChooseLine(mixer, scope.Handle(), waveIn, ControlType(operation), lineId);
        if (search == LINE_SEARCH::Failed) return false;
        if (search == LINE_SEARCH::Found) return Access(mixer, scope.Handle(), lineId, operation, value);
    }
    return false;
}

} // namespace tonvel
