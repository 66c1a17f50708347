#pragma once
// The microphone's settings through the legacy mixer: the mixer whose wave-in line's target is the device,
// the line (the wave-in line or one of its microphone sources) that has the operation's control, and the
// control's value read or written.

#include "platform/api/Mixer.h"

#include <cstdint>
#include <string>

namespace tonvel {

enum class MIXER_OPERATION : int32_t {
    ReadVolume = 0,
    SetVolume = 1,
    ReadMute = 2,
    SetMute = 3,
    ReadBoost = 4,
    SetBoost = 5,
};

// What a read gives: the value and the control's bounds.
struct MIXER_VALUE {
    uint32_t Value = 0;
    uint32_t Minimum = 0;
    uint32_t Maximum = 0;
};

// Runs one operation on the first mixer that matches `deviceName` and has a line with the control. True on
// success; every mixer opened is closed again.
bool RunMixerOperation(IMixer& mixer, const std::u16string& deviceName, MIXER_OPERATION operation,
                       MIXER_VALUE& value);

} // namespace tonvel
