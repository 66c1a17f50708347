#pragma once
// Core Audio on real Windows: CoInitialize, the MMDevice enumerator's active capture endpoints, their
// friendly names, IAudioEndpointVolume and the AGC part of the endpoint's topology.

#include "platform/api/AudioEndpoints.h"

namespace tonvel::win32 {

class CWin32AudioEndpoints : public IAudioEndpoints {
public:
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
};

} // namespace tonvel::win32
