#include "device/MicControl.h"

#include "device/LegacyMixer.h"
#include "device/MicDeviceName.h"
#include "platform/api/Environment.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace tonvel {
namespace {

constexpr uint32_t LegacyVolumeFull = 65535;
constexpr int32_t Percent = 100;

// The component library of the calling thread for the length of one operation.
class CComScope {
public:
    explicit CComScope(IAudioEndpoints& endpoints) : m_Endpoints(endpoints), m_Ok(endpoints.Initialize()) {}
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;
    ~CComScope() {
        if (m_Ok) m_Endpoints.Uninitialize();
    }
    bool Ok() const { return m_Ok; }

private:
    IAudioEndpoints& m_Endpoints;
    bool m_Ok;
};

// The gain's debug line, " %d\n".
std::u16string GainLine(int32_t percent) {
    char line[16];
    std::snprintf(line, sizeof line, " %d\n", static_cast<int>(percent));
    return std::u16string(line, line + std::strlen(line));
}

} // namespace

CMicControl::CMicControl(const Platform& platform, DEVICE_IDS ids)
    : m_Platform(platform), m_Ids(std::move(ids)) {}

CMicControl::~CMicControl() {
    DropEndpoint();
}

std::u16string CMicControl::DeviceName() {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    m_Ids(vendorId, productId);
    return FindMicDeviceName(*m_Platform.captureDevices, MicDevicePattern(vendorId, productId));
}

bool CMicControl::WaveInDevice(uint32_t& waveIn) {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    m_Ids(vendorId, productId);
    return FindMicWaveInDevice(*m_Platform.captureDevices, MicDevicePattern(vendorId, productId), waveIn);
}

// The first active capture endpoint whose friendly name contains the device name; the others are released.
EndpointRef CMicControl::FindEndpoint(IAudioEndpoints& endpoints) {
    const std::u16string name = DeviceName();
    // No capture device of ours: the empty name is in every friendly name, yet none of them is ours.
    if (name.empty()) return NoEndpoint;
    std::vector<EndpointRef> all;
    if (!endpoints.ActiveCaptureEndpoints(all)) return NoEndpoint;
    EndpointRef found = NoEndpoint;
    for (EndpointRef endpoint : all) {
        std::u16string friendly;
        if (found == NoEndpoint && endpoints.FriendlyName(endpoint, friendly) &&
            friendly.find(name) != std::u16string::npos) {
            found = endpoint;
            continue;
        }
        endpoints.Release(endpoint);
    }
    return found;
}

bool CMicControl::LookUpEndpoint() {
    IAudioEndpoints& endpoints = *m_Platform.audioEndpoints;
    CComScope com(endpoints);
    if (!com.Ok()) return false;
    if (m_Endpoint != NoEndpoint) return true;
    const EndpointRef endpoint = FindEndpoint(endpoints);
    if (endpoint == NoEndpoint) return false;
    // The endpoint's own hold on the library, given back when it is dropped.
    if (!endpoints.Initialize()) {
        endpoints.Release(endpoint);
        return false;
    }
    m_Endpoint = endpoint;
    return true;
}

void CMicControl::DropEndpoint() {
    if (m_Endpoint == NoEndpoint) return;
    IAudioEndpoints& endpoints = *m_Platform.audioEndpoints;
    endpoints.Release(m_Endpoint);
    m_Endpoint = NoEndpoint;
    endpoints.Uninitialize();
}

int32_t CMicControl::RunOnEndpoint(const std::function<int32_t(IAudioEndpoints&, EndpointRef)>& operation) {
    IAudioEndpoints& endpoints = *m_Platform.audioEndpoints;
    CComScope com(endpoints);
    if (!com.Ok() || !LookUpEndpoint()) return MicNoEndpoint;
    const int32_t status = operation(endpoints, m_Endpoint);
    if (status == MicOk) DropEndpoint();
    return status;
}

int32_t CMicControl::SetMicGain(int32_t percent) {
    if (!CoreAudio())
        return SetLegacy(MIXER_OPERATION::SetVolume,
                         static_cast<uint32_t>(percent) * LegacyVolumeFull / Percent);
    return RunOnEndpoint([this, percent](IAudioEndpoints& endpoints, EndpointRef endpoint) {
        m_Platform.environment->DebugOutput().Write(GainLine(percent));
        const float level = static_cast<float>(percent) * 0.01F;
        return endpoints.SetMasterVolumeLevelScalar(endpoint, level) ? MicOk : MicVolumeUnavailable;
    });
}

int32_t CMicControl::ReadMicGain(int32_t& percent) {
    if (!CoreAudio()) {
        MIXER_VALUE value;
        if (!RunMixerOperation(*m_Platform.mixer, DeviceName(), MIXER_OPERATION::ReadVolume, value))
            return MicNoEndpoint;
        if (value.Maximum <= value.Minimum) return MicVolumeUnavailable;
        percent = static_cast<int32_t>(static_cast<double>(value.Value) /
                                       static_cast<double>(value.Maximum - value.Minimum) * Percent);
        return MicOk;
    }
    return RunOnEndpoint([&percent](IAudioEndpoints& endpoints, EndpointRef endpoint) {
        uint32_t step = 0;
        uint32_t count = 0;
        // Fewer than two steps give no range to place a percent in.
        if (!endpoints.GetVolumeStepInfo(endpoint, step, count) || count < 2) return MicVolumeUnavailable;
        percent = static_cast<int32_t>(static_cast<uint64_t>(step) * Percent / (count - 1));
        return MicOk;
    });
}

int32_t CMicControl::ReadBoostAndMute(bool& boost, bool& mute) {
    if (!CoreAudio()) {
        MIXER_VALUE value;
        if (!RunMixerOperation(*m_Platform.mixer, DeviceName(), MIXER_OPERATION::ReadBoost, value)) return 1;
        boost = value.Value != 0;
        if (!RunMixerOperation(*m_Platform.mixer, DeviceName(), MIXER_OPERATION::ReadMute, value)) return 2;
        mute = value.Value != 0;
        return MicOk;
    }
    return RunOnEndpoint([&boost, &mute](IAudioEndpoints& endpoints, EndpointRef endpoint) {
        if (!endpoints.GetAgcEnabled(endpoint, boost)) return 2;
        if (!endpoints.GetMute(endpoint, mute)) return 3;
        return MicOk;
    });
}

int32_t CMicControl::SetLegacy(MIXER_OPERATION operation, uint32_t value) {
    MIXER_VALUE written;
    written.Value = value;
    return RunMixerOperation(*m_Platform.mixer, DeviceName(), operation, written) ? MicOk : MicNoEndpoint;
}

int32_t CMicControl::SetSwitch(MIXER_OPERATION legacy, bool on, ENDPOINT_SWITCH set) {
    if (!CoreAudio()) return SetLegacy(legacy, on ? 1 : 0);
    return RunOnEndpoint([set, on](IAudioEndpoints& endpoints, EndpointRef endpoint) {
        return (endpoints.*set)(endpoint, on) ? MicOk : 2;
    });
}

int32_t CMicControl::SetMute(bool mute) {
    return SetSwitch(MIXER_OPERATION::SetMute, mute, &IAudioEndpoints::SetMute);
}

int32_t CMicControl::SetBoost(bool boost) {
    return SetSwitch(MIXER_OPERATION::SetBoost, boost, &IAudioEndpoints::SetAgcEnabled);
}

} // namespace tonvel
