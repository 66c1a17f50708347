#pragma once
// Core Audio on the capture side: the component library (COM) of the calling thread, the active capture
// endpoints with their friendly names, the endpoint volume (IAudioEndpointVolume) and the automatic gain
// control found by walking the endpoint's topology (IDeviceTopology, IConnector, IPart,
// IAudioAutoGainControl). Every activation asks for CLSCTX_ALL; every change carries the null event context.

#include <cstdint>
#include <string>
#include <vector>

namespace tonvel {

// A reference to one endpoint (an IMMDevice); NoEndpoint is "none". Each reference handed out is released
// once with Release, while the library is still initialised on the thread.
using EndpointRef = uintptr_t;
inline constexpr EndpointRef NoEndpoint = 0;

class IAudioEndpoints {
public:
    virtual ~IAudioEndpoints() = default;

    // CoInitialize: true when the library is usable on the thread (S_OK or S_FALSE); each true is paired
    // with one Uninitialize.
    virtual bool Initialize() = 0;
    // CoUninitialize.
    virtual void Uninitialize() = 0;

    // The device enumerator's EnumAudioEndpoints(eCapture, DEVICE_STATE_ACTIVE), every endpoint of the
    // collection in its order. False (and none) when the enumerator or the collection cannot be had.
    virtual bool ActiveCaptureEndpoints(std::vector<EndpointRef>& endpoints) = 0;
    // OpenPropertyStore(STGM_READ) and PKEY_Device_FriendlyName. False when it cannot be read.
    virtual bool FriendlyName(EndpointRef endpoint, std::u16string& name) = 0;
    // IUnknown::Release of the reference.
    virtual void Release(EndpointRef endpoint) = 0;

    // IAudioEndpointVolume::GetVolumeStepInfo; false when the volume cannot be activated or read.
    virtual bool GetVolumeStepInfo(EndpointRef endpoint, uint32_t& step, uint32_t& stepCount) = 0;
    // IAudioEndpointVolume::SetMasterVolumeLevelScalar; false only when the volume cannot be activated (the
    // outcome of the set itself is not reported).
    virtual bool SetMasterVolumeLevelScalar(EndpointRef endpoint, float level) = 0;
    // IAudioEndpointVolume::GetMute / SetMute.
    virtual bool GetMute(EndpointRef endpoint, bool& mute) = 0;
    virtual bool SetMute(EndpointRef endpoint, bool mute) = 0;

    // The first part of the topology behind the endpoint's connector 0 that activates
    // IAudioAutoGainControl: GetEnabled / SetEnabled on it. False when a step of the walk fails, no part has
    // the control, or the call fails.
    virtual bool GetAgcEnabled(EndpointRef endpoint, bool& enabled) = 0;
    virtual bool SetAgcEnabled(EndpointRef endpoint, bool enabled) = 0;
};

} // namespace tonvel
