#include "platform/sim/SimAudioEndpoints.h"

#include <cmath>

namespace tonvel::sim {

size_t CSimAudioEndpoints::Add(SIM_ENDPOINT endpoint) {
    m_Endpoints.push_back(std::move(endpoint));
    return m_Endpoints.size() - 1;
}

bool CSimAudioEndpoints::Initialize() {
    if (m_InitializeFails) return false;
    ++m_ComCount;
    return true;
}

void CSimAudioEndpoints::Uninitialize() {
    if (m_ComCount > 0) --m_ComCount;
}

bool CSimAudioEndpoints::ActiveCaptureEndpoints(std::vector<EndpointRef>& endpoints) {
    endpoints.clear();
    if (m_ComCount == 0) {
        ++m_CallsWithoutLibrary;
        return false;
    }
    if (m_EnumeratorFails) return false;
    ++m_Enumerations;
    for (size_t i = 0; i < m_Endpoints.size(); ++i) {
        if (!m_Endpoints[i].Active) continue;
        m_References[m_NextReference] = i;
        endpoints.push_back(m_NextReference++);
    }
    return true;
}

SIM_ENDPOINT* CSimAudioEndpoints::Use(EndpointRef endpoint) {
    const auto it = m_References.find(endpoint);
    if (it == m_References.end()) return nullptr;
    if (m_ComCount == 0) {
        ++m_CallsWithoutLibrary;
        return nullptr;
    }
    return &m_Endpoints[it->second];
}

bool CSimAudioEndpoints::FriendlyName(EndpointRef endpoint, std::u16string& name) {
    SIM_ENDPOINT* e = Use(endpoint);
    if (!e || !e->NameReadable) return false;
    name = e->FriendlyName;
    return true;
}

void CSimAudioEndpoints::Release(EndpointRef endpoint) {
    if (m_References.erase(endpoint) == 0) {
        ++m_BadReleases;
        return;
    }
    if (m_ComCount == 0) ++m_CallsWithoutLibrary;
}

bool CSimAudioEndpoints::GetVolumeStepInfo(EndpointRef endpoint, uint32_t& step, uint32_t& stepCount) {
    SIM_ENDPOINT* e = Use(endpoint);
    if (!e || !e->VolumeAvailable || !e->VolumeReadable) return false;
    step = e->Step;
    stepCount = e->StepCount;
    return true;
}

bool CSimAudioEndpoints::SetMasterVolumeLevelScalar(EndpointRef endpoint, float level) {
    SIM_ENDPOINT* e = Use(endpoint);
    if (!e || !e->VolumeAvailable) return false;
    if (level < 0.0F || level > 1.0F) return true; // refused by the endpoint, not reported
    e->Scalar = level;
    if (e->StepCount > 1)
        e->Step = static_cast<uint32_t>(std::lround(level * static_cast<float>(e->StepCount - 1)));
    return true;
}

bool CSimAudioEndpoints::GetMute(EndpointRef endpoint, bool& mute) {
    SIM_ENDPOINT* e = Use(endpoint);
    if (!e || !e->VolumeAvailable || !e->MuteReadable) return false;
    mute = e->Mute;
    return true;
}

bool CSimAudioEndpoints::SetMute(EndpointRef endpoint, bool mute) {
    SIM_ENDPOINT* e = Use(endpoint);
    if (!e || !e->VolumeAvailable || !e->MuteWritable) return false;
    e->Mute = mute;
    return true;
}

SIM_AGC_PART* CSimAudioEndpoints::AgcPart(EndpointRef endpoint) {
    SIM_ENDPOINT* e = Use(endpoint);
    if (!e || !e->TopologyWalks) return nullptr;
    for (SIM_AGC_PART& part : e->Parts)
        if (part.HasAgc) return &part;
    return nullptr;
}

bool CSimAudioEndpoints::GetAgcEnabled(EndpointRef endpoint, bool& enabled) {
    SIM_AGC_PART* part = AgcPart(endpoint);
    if (!part) return false;
    enabled = part->Enabled;
    return true;
}

bool CSimAudioEndpoints::SetAgcEnabled(EndpointRef endpoint, bool enabled) {
    SIM_AGC_PART* part = AgcPart(endpoint);
    if (!part || !m_Endpoints[m_References[endpoint]].AgcWritable) return false;
    part->Enabled = enabled;
    return true;
}

} // namespace tonvel::sim
