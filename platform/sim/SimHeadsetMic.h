#pragma once
// The headset's microphone as Windows audio shows it: its capture device (interface path under the
// headset's USB IDs), its Core Audio capture endpoint (101 volume steps, a topology with an AGC part), its
// legacy mixer (a wave-in line with volume, a microphone source with mute and boost), and a capture source
// that speaks: a tone whose loudness rises and falls over a few seconds.

#include <cstdint>
#include <string>

namespace tonvel::sim {

class CSimWindows;

inline constexpr char16_t SimHeadsetMicName[] = u"USB Audio Device";
inline constexpr char16_t SimHeadsetEndpointName[] = u"Microphone (USB Audio Device)";

void AddHeadsetMicrophone(CSimWindows& sim, uint16_t vendorId, uint16_t productId);
// The speaking source's sample with this running number (8000 samples per second, 128 = silence).
uint8_t SpeakingSample(uint64_t sample);

} // namespace tonvel::sim
