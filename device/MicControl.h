#pragma once
// The device's microphone through Windows audio: capture volume, mute and boost (automatic gain control),
// on Core Audio (OS generation code 6) or else on the legacy mixer. The Core Audio endpoint found for the
// device is cached from its lookup until an operation completes, and dropped on device removal.
//
// The component library (COM) is initialised and released around every operation; a cached endpoint holds
// one more initialisation of its own until it is dropped, so that no endpoint outlives the library.

#include "device/LegacyMixer.h"
#include "platform/api/AudioEndpoints.h"
#include "platform/api/Platform.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tonvel {

inline constexpr int32_t OsGenerationWithCoreAudio = 6;

// Results (callers ignore them).
inline constexpr int32_t MicOk = 0;
inline constexpr int32_t MicNoEndpoint = 1; // also: the mixer failed (legacy)
inline constexpr int32_t MicVolumeUnavailable = 2;

class CMicControl {
public:
    // `ids` gives the current vendor and product ID at every lookup.
    using DEVICE_IDS = std::function<void(uint16_t& vendorId, uint16_t& productId)>;

    CMicControl(const Platform& platform, DEVICE_IDS ids);
    CMicControl(const CMicControl&) = delete;
    CMicControl& operator=(const CMicControl&) = delete;
    ~CMicControl();

    void SetOsGeneration(int32_t generation) { m_OsGeneration = generation; }
    bool CoreAudio() const { return m_OsGeneration == OsGenerationWithCoreAudio; }

    // The device's capture device name (the pattern and name are rebuilt every time).
    std::u16string DeviceName();
    // The wave-in number of that capture device, the one the level meter records; false when there is none.
    bool WaveInDevice(uint32_t& waveIn);
    // Core Audio: finds the device's endpoint and keeps it; true when there is one.
    bool LookUpEndpoint();
    void DropEndpoint();
    bool HasEndpoint() const { return m_Endpoint != NoEndpoint; }

    // 0; 1 no endpoint or mixer failure; 2 endpoint volume not available. Writes " %d\n" to the debugger
    // on Core Audio.
    int32_t SetMicGain(int32_t percent);
    // 0; 1 no endpoint or mixer failure; 2 the volume cannot be read (or has no usable range).
    int32_t ReadMicGain(int32_t& percent);
    // Core Audio: 1 no endpoint, 2 AGC read failed, 3 mute read failed; legacy: 1 boost, 2 mute read failed.
    int32_t ReadBoostAndMute(bool& boost, bool& mute);
    // 0; 1 no endpoint or mixer failure; 2 set failed.
    int32_t SetMute(bool mute);
    int32_t SetBoost(bool boost);

private:
    // One Core Audio operation on the endpoint (looked up first when none is cached): its status; 0 drops the
    // endpoint, another status keeps it.
    int32_t RunOnEndpoint(const std::function<int32_t(IAudioEndpoints&, EndpointRef)>& operation);
    EndpointRef FindEndpoint(IAudioEndpoints& endpoints);
    // A value written through the legacy mixer: 0, or 1 when the mixer failed.
    int32_t SetLegacy(MIXER_OPERATION operation, uint32_t value);
    // Mute or boost on either path.
    using ENDPOINT_SWITCH = bool (IAudioEndpoints::*)(EndpointRef, bool);
    int32_t SetSwitch(MIXER_OPERATION legacy, bool on, ENDPOINT_SWITCH set);

    const Platform& m_Platform;
    DEVICE_IDS m_Ids;
    int32_t m_OsGeneration = OsGenerationWithCoreAudio;
    EndpointRef m_Endpoint = NoEndpoint;
};

} // namespace tonvel
