#pragma once
// Simulated Core Audio capture endpoints: friendly names, active or not, volume steps, mute, and the parts
// of the topology behind each with or without automatic gain control; failures of every read and write. It
// counts the component library's initialisations on the calling thread and the references handed out, and
// records every call made while the library is not initialised (such a call fails, as a real one would
// touch a released library).

#include "platform/api/AudioEndpoints.h"

#include <cstddef>
#include <map>
#include <vector>

namespace tonvel::sim {

struct SIM_AGC_PART {
    bool HasAgc = false;
    bool Enabled = false;
};

struct SIM_ENDPOINT {
    std::u16string FriendlyName;
    bool Active = true;
    bool NameReadable = true;
    bool VolumeAvailable = true; // IAudioEndpointVolume activates
    bool VolumeReadable = true;
    uint32_t StepCount = 101;
    uint32_t Step = 0;
    float Scalar = 0.0F;
    bool Mute = false;
    bool MuteReadable = true;
    bool MuteWritable = true;
    bool TopologyWalks = true; // connector, connected device and its topology can be had
    bool AgcWritable = true;
    std::vector<SIM_AGC_PART> Parts;
};

class CSimAudioEndpoints : public IAudioEndpoints {
public:
    // Adds an endpoint at the end of the system's order; returns its index.
    size_t Add(SIM_ENDPOINT endpoint);
    SIM_ENDPOINT& Endpoint(size_t index) { return m_Endpoints[index]; }
    std::vector<SIM_ENDPOINT>& Endpoints() { return m_Endpoints; }
    // The enumerator cannot be created.
    void SetEnumeratorFails(bool fails) { m_EnumeratorFails = fails; }
    void SetInitializeFails(bool fails) { m_InitializeFails = fails; }

    int32_t ComCount() const { return m_ComCount; }
    size_t LiveReferences() const { return m_References.size(); }
    // Calls (with a reference) made while the library was not initialised, and releases of unknown
    // references.
    size_t CallsWithoutLibrary() const { return m_CallsWithoutLibrary; }
    size_t BadReleases() const { return m_BadReleases; }
    size_t Enumerations() const { return m_Enumerations; }

    bool Initialize() override;
    void Uninitialize() override;
    bool ActiveCaptureEndpoints(std::vector<EndpointRef>& endpoints) override;
    bool FriendlyName(EndpointRef endpoint, std::u16string& name) override;
    void Release(EndpointRef endpoint) override;
    bool GetVolumeStepInfo(EndpointRef endpoint, uint32_t& step, uint32_t& stepCount) override;
    bool SetMasterVolumeLevelScalar(EndpointRef endpoint, float level) override;
    bool GetMute(EndpointRef endpoint, bool& mute) override;
    bool SetMute(EndpointRef endpoint, bool mute) override;
    bool GetAgcEnabled(EndpointRef endpoint, bool& enabled) override;
    bool SetAgcEnabled(EndpointRef endpoint, bool enabled) override;

private:
    // The endpoint of a live reference while the library is initialised; nullptr otherwise.
    SIM_ENDPOINT* Use(EndpointRef endpoint);
    SIM_AGC_PART* AgcPart(EndpointRef endpoint);

    std::vector<SIM_ENDPOINT> m_Endpoints;
    std::map<EndpointRef, size_t> m_References;
    EndpointRef m_NextReference = 1;
    int32_t m_ComCount = 0;
    bool m_EnumeratorFails = false;
    bool m_InitializeFails = false;
    size_t m_CallsWithoutLibrary = 0;
    size_t m_BadReleases = 0;
    size_t m_Enumerations = 0;
};

} // namespace tonvel::sim
