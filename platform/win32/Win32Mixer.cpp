#include "platform/win32/Win32Audio.h"

#include "platform/win32/Win32Text.h"

#include <windows.h>

#include <mmsystem.h>

#include <cwchar>

namespace tonvel::win32 {

namespace {

HMIXEROBJ Object(MixerHandle mixer) {
    return reinterpret_cast<HMIXEROBJ>(mixer);
}

MIXER_LINE FromLine(const MIXERLINEW& line) {
    MIXER_LINE out;
    out.Destination = line.dwDestination;
    out.Source = line.dwSource;
    out.LineID = line.dwLineID;
    out.ComponentType = line.dwComponentType;
    out.Connections = line.cConnections;
    out.Controls = line.cControls;
    out.TargetName = FromWide(line.Target.szPname, ::wcsnlen(line.Target.szPname, MAXPNAMELEN));
    return out;
}

MIXER_CONTROL FromControl(const MIXERCONTROLW& control) {
    return {control.dwControlID, control.dwControlType, control.Bounds.dwMinimum, control.Bounds.dwMaximum};
}

uint32_t LineInfo(MixerHandle mixer, MIXERLINEW& line, DWORD flags, MIXER_LINE& out) {
    line.cbStruct = sizeof line;
    const MMRESULT result = ::mixerGetLineInfoW(Object(mixer), &line, MIXER_OBJECTF_HMIXER | flags);
    if (result == MMSYSERR_NOERROR) out = FromLine(line);
    return result;
}

uint32_t ControlDetails(MixerHandle mixer, uint32_t controlId, DWORD& value, bool set) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = controlId;
    details.cChannels = 1;
    details.cMultipleItems = 0;
    details.cbDetails = sizeof value;
    details.paDetails = &value;
    const DWORD flags = MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE;
    return set ? ::mixerSetControlDetails(Object(mixer), &details, flags | MIXER_SETCONTROLDETAILSF_VALUE)
               : ::mixerGetControlDetailsW(Object(mixer), &details, flags);
}

} // namespace

uint32_t CWin32Mixer::GetNumDevs() {
    return ::mixerGetNumDevs();
}

uint32_t CWin32Mixer::Open(uint32_t index, MixerHandle& mixer) {
    HMIXER handle = nullptr;
    const MMRESULT result = ::mixerOpen(&handle, index, 0, 0, MIXER_OBJECTF_MIXER);
    mixer = result == MMSYSERR_NOERROR ? reinterpret_cast<MixerHandle>(handle) : NoMixer;
    return result;
}

uint32_t CWin32Mixer::Close(MixerHandle mixer) {
    return ::mixerClose(reinterpret_cast<HMIXER>(mixer));
}

uint32_t CWin32Mixer::GetLineByComponentType(MixerHandle mixer, uint32_t type, MIXER_LINE& out) {
    MIXERLINEW line{};
    line.dwComponentType = type;
    return LineInfo(mixer, line, MIXER_GETLINEINFOF_COMPONENTTYPE, out);
}

uint32_t CWin32Mixer::GetSourceLine(MixerHandle mixer, uint32_t destination, uint32_t source,
                                    MIXER_LINE& out) {
    MIXERLINEW line{};
    line.dwDestination = destination;
    line.dwSource = source;
    return LineInfo(mixer, line, MIXER_GETLINEINFOF_SOURCE, out);
}

uint32_t CWin32Mixer::GetAllControls(MixerHandle mixer, const MIXER_LINE& line,
                                     std::vector<MIXER_CONTROL>& controls) {
    controls.clear();
    if (line.Controls == 0) return MMSYSERR_NOERROR;
    std::vector<MIXERCONTROLW> all(line.Controls);
    MIXERLINECONTROLSW request{};
    request.cbStruct = sizeof request;
    request.dwLineID = line.LineID;
    request.cControls = line.Controls;
    request.cbmxctrl = sizeof(MIXERCONTROLW);
    request.pamxctrl = all.data();
    const MMRESULT result =
        ::mixerGetLineControlsW(Object(mixer), &request, MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ALL);
    if (result == MMSYSERR_NOERROR)
        for (const MIXERCONTROLW& control : all)
            controls.push_back(FromControl(control));
    return result;
}

uint32_t CWin32Mixer::GetControlByType(MixerHandle mixer, uint32_t lineId, uint32_t type,
                                       MIXER_CONTROL& out) {
    MIXERCONTROLW control{};
    MIXERLINECONTROLSW request{};
    request.cbStruct = sizeof request;
    request.dwLineID = lineId;
    request.dwControlType = type;
    request.cControls = 1;
    request.cbmxctrl = sizeof control;
    request.pamxctrl = &control;
    const MMRESULT result = ::mixerGetLineControlsW(Object(mixer), &request,
                                                    MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE);
    if (result == MMSYSERR_NOERROR) out = FromControl(control);
    return result;
}

uint32_t CWin32Mixer::GetControlValue(MixerHandle mixer, uint32_t controlId, uint32_t& value) {
    DWORD read = 0;
    const uint32_t result = ControlDetails(mixer, controlId, read, false);
    if (result == MMSYSERR_NOERROR) value = read;
    return result;
}

uint32_t CWin32Mixer::SetControlValue(MixerHandle mixer, uint32_t controlId, uint32_t value) {
    DWORD written = value;
    return ControlDetails(mixer, controlId, written, true);
}

} // namespace tonvel::win32
