#pragma once
// The legacy multimedia mixer (winmm): devices, lines, controls and control values. Results are MMSYSERR
// codes (kMmNoError on success).

#include <cstdint>
#include <string>
#include <vector>

namespace tonvel {

using MixerHandle = std::uintptr_t;
inline constexpr MixerHandle kNoMixer = 0;

inline constexpr std::uint32_t kMmNoError = 0;
inline constexpr std::uint32_t kMmErrorBadDeviceId = 2;      // MMSYSERR_BADDEVICEID
inline constexpr std::uint32_t kMmErrorInvalHandle = 5;      // MMSYSERR_INVALHANDLE
inline constexpr std::uint32_t kMixerErrInvalLine = 1024;    // MIXERR_INVALLINE
inline constexpr std::uint32_t kMixerErrInvalControl = 1025; // MIXERR_INVALCONTROL

// Component types (MIXERLINE_COMPONENTTYPE_*).
inline constexpr std::uint32_t kMixerDstWaveIn = 0x00000007;
inline constexpr std::uint32_t kMixerSrcUndefined = 0x00001000;
inline constexpr std::uint32_t kMixerSrcMicrophone = 0x00001003;

// Control types (MIXERCONTROL_CONTROLTYPE_*).
inline constexpr std::uint32_t kMixerControlVolume = 0x50030001;
inline constexpr std::uint32_t kMixerControlMute = 0x20010002;
inline constexpr std::uint32_t kMixerControlMux = 0x70010001;

// The part of MIXERLINEW that we read.
struct MIXER_LINE {
    std::uint32_t Destination = 0;
    std::uint32_t Source = 0;
    std::uint32_t LineID = 0;
    std::uint32_t ComponentType = 0;
    std::uint32_t Connections = 0; // source lines of a destination
    std::uint32_t Controls = 0;
    std::u16string TargetName; // Target.szPname
};

// The part of MIXERCONTROLW that we read.
struct MIXER_CONTROL {
    std::uint32_t ControlID = 0;
    std::uint32_t ControlType = 0;
    std::uint32_t Minimum = 0; // Bounds.dwMinimum
    std::uint32_t Maximum = 0; // Bounds.dwMaximum
};

class IMixer {
public:
    virtual ~IMixer() = default;

    // mixerGetNumDevs.
    virtual std::uint32_t GetNumDevs() = 0;
    // mixerOpen(index, no callback, MIXER_OBJECTF_MIXER).
    virtual std::uint32_t Open(std::uint32_t index, MixerHandle& mixer) = 0;
    // mixerClose.
    virtual std::uint32_t Close(MixerHandle mixer) = 0;
    // mixerGetLineInfoW with MIXER_GETLINEINFOF_COMPONENTTYPE.
    virtual std::uint32_t GetLineByComponentType(MixerHandle mixer, std::uint32_t type, MIXER_LINE& line) = 0;
    // mixerGetLineInfoW with MIXER_GETLINEINFOF_SOURCE.
    virtual std::uint32_t GetSourceLine(MixerHandle mixer, std::uint32_t destination, std::uint32_t source,
                                        MIXER_LINE& line) = 0;
    // mixerGetLineControlsW with MIXER_GETLINECONTROLSF_ALL for `line.Controls` controls.
    virtual std::uint32_t GetAllControls(MixerHandle mixer, const MIXER_LINE& line,
                                         std::vector<MIXER_CONTROL>& controls) = 0;
    // mixerGetLineControlsW with MIXER_GETLINECONTROLSF_ONEBYTYPE.
    virtual std::uint32_t GetControlByType(MixerHandle mixer, std::uint32_t lineId, std::uint32_t type,
                                           MIXER_CONTROL& control) = 0;
    // mixerGetControlDetailsW / mixerSetControlDetails: one channel, no items, one 32-bit value.
    virtual std::uint32_t GetControlValue(MixerHandle mixer, std::uint32_t controlId,
                                          std::uint32_t& value) = 0;
    virtual std::uint32_t SetControlValue(MixerHandle mixer, std::uint32_t controlId,
                                          std::uint32_t value) = 0;
};

} // namespace tonvel
