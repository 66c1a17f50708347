#pragma once
// The legacy multimedia mixer (winmm): devices, lines, controls and control values. Results are MMSYSERR
// codes (MmNoError on success).

#include <cstdint>
#include <string>
#include <vector>

namespace tonvel {

using MixerHandle = uintptr_t;
inline constexpr MixerHandle NoMixer = 0;

inline constexpr uint32_t MmNoError = 0;
inline constexpr uint32_t MmErrorBadDeviceId = 2;      // MMSYSERR_BADDEVICEID
inline constexpr uint32_t MmErrorInvalHandle = 5;      // MMSYSERR_INVALHANDLE
inline constexpr uint32_t MixerErrInvalLine = 1024;    // MIXERR_INVALLINE
inline constexpr uint32_t MixerErrInvalControl = 1025; // MIXERR_INVALCONTROL

// Component types (MIXERLINE_COMPONENTTYPE_*).
inline constexpr uint32_t MixerDstWaveIn = 0x00000007;
inline constexpr uint32_t MixerSrcUndefined = 0x00001000;
inline constexpr uint32_t MixerSrcMicrophone = 0x00001003;

// Control types (MIXERCONTROL_CONTROLTYPE_*).
inline constexpr uint32_t MixerControlVolume = 0x50030001;
inline constexpr uint32_t MixerControlMute = 0x20010002;
inline constexpr uint32_t MixerControlMux = 0x70010001;

// The part of MIXERLINEW that we read.
struct MIXER_LINE {
    uint32_t Destination = 0;
    uint32_t Source = 0;
    uint32_t LineID = 0;
    uint32_t ComponentType = 0;
    uint32_t Connections = 0; // source lines of a destination
    uint32_t Controls = 0;
    std::u16string TargetName; // Target.szPname
};

// The part of MIXERCONTROLW that we read.
struct MIXER_CONTROL {
    uint32_t ControlID = 0;
    uint32_t ControlType = 0;
    uint32_t Minimum = 0; // Bounds.dwMinimum
    uint32_t Maximum = 0; // Bounds.dwMaximum
};

class IMixer {
public:
    virtual ~IMixer() = default;

    // mixerGetNumDevs.
    virtual uint32_t GetNumDevs() = 0;
    // mixerOpen(index, no callback, MIXER_OBJECTF_MIXER).
    virtual uint32_t Open(uint32_t index, MixerHandle& mixer) = 0;
    // mixerClose.
    virtual uint32_t Close(MixerHandle mixer) = 0;
    // mixerGetLineInfoW with MIXER_GETLINEINFOF_COMPONENTTYPE.
    virtual uint32_t GetLineByComponentType(MixerHandle mixer, uint32_t type, MIXER_LINE& line) = 0;
    // mixerGetLineInfoW with MIXER_GETLINEINFOF_SOURCE.
    virtual uint32_t GetSourceLine(MixerHandle mixer, uint32_t destination, uint32_t source,
                                   MIXER_LINE& line) = 0;
    // mixerGetLineControlsW with MIXER_GETLINECONTROLSF_ALL for `line.Controls` controls.
    virtual uint32_t GetAllControls(MixerHandle mixer, const MIXER_LINE& line,
                                    std::vector<MIXER_CONTROL>& controls) = 0;
    // mixerGetLineControlsW with MIXER_GETLINECONTROLSF_ONEBYTYPE.
    virtual uint32_t GetControlByType(MixerHandle mixer, uint32_t lineId, uint32_t type,
                                      MIXER_CONTROL& control) = 0;
    // mixerGetControlDetailsW / mixerSetControlDetails: one channel, no items, one 32-bit value.
    virtual uint32_t GetControlValue(MixerHandle mixer, uint32_t controlId, uint32_t& value) = 0;
    virtual uint32_t SetControlValue(MixerHandle mixer, uint32_t controlId, uint32_t value) = 0;
};

} // namespace tonvel
