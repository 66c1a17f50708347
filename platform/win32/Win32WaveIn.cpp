#include "platform/win32/Win32Audio.h"

#include <windows.h>

#include <mmsystem.h>

#include <cstddef>

namespace tonvel::win32 {

// Our header is WAVEHDR field for field, so winmm fills it in place.
static_assert(sizeof(WAVE_HEADER) == sizeof(WAVEHDR));
static_assert(offsetof(WAVE_HEADER, Data) == offsetof(WAVEHDR, lpData));
static_assert(offsetof(WAVE_HEADER, BufferLength) == offsetof(WAVEHDR, dwBufferLength));
static_assert(offsetof(WAVE_HEADER, BytesRecorded) == offsetof(WAVEHDR, dwBytesRecorded));
static_assert(offsetof(WAVE_HEADER, User) == offsetof(WAVEHDR, dwUser));
static_assert(offsetof(WAVE_HEADER, Flags) == offsetof(WAVEHDR, dwFlags));
static_assert(offsetof(WAVE_HEADER, Loops) == offsetof(WAVEHDR, dwLoops));
static_assert(offsetof(WAVE_HEADER, Next) == offsetof(WAVEHDR, lpNext));
static_assert(offsetof(WAVE_HEADER, Reserved) == offsetof(WAVEHDR, reserved));

namespace {

HWAVEIN Of(WaveInHandle handle) {
    return reinterpret_cast<HWAVEIN>(handle);
}

WAVEHDR* Native(WAVE_HEADER& header) {
    return reinterpret_cast<WAVEHDR*>(&header);
}

} // namespace

uint32_t CWin32WaveIn::Open(WaveInHandle& handle, uint32_t device, const WAVE_FORMAT& format,
                            const WAVE_NOTIFY_WINDOW& window) {
    WAVEFORMATEX native{};
    native.wFormatTag = format.FormatTag;
    native.nChannels = format.Channels;
    native.nSamplesPerSec = format.SamplesPerSec;
    native.nAvgBytesPerSec = format.AvgBytesPerSec;
    native.nBlockAlign = format.BlockAlign;
    native.wBitsPerSample = format.BitsPerSample;
    native.cbSize = 0;
    HWAVEIN opened = nullptr;
    const MMRESULT result =
        ::waveInOpen(&opened, device, &native, static_cast<DWORD_PTR>(window.Window), 0, CALLBACK_WINDOW);
    handle = result == MMSYSERR_NOERROR ? reinterpret_cast<WaveInHandle>(opened) : NoWaveIn;
    return result;
}

uint32_t CWin32WaveIn::PrepareHeader(WaveInHandle handle, WAVE_HEADER& header) {
    return ::waveInPrepareHeader(Of(handle), Native(header), sizeof(WAVEHDR));
}

uint32_t CWin32WaveIn::UnprepareHeader(WaveInHandle handle, WAVE_HEADER& header) {
    return ::waveInUnprepareHeader(Of(handle), Native(header), sizeof(WAVEHDR));
}

uint32_t CWin32WaveIn::AddBuffer(WaveInHandle handle, WAVE_HEADER& header) {
    return ::waveInAddBuffer(Of(handle), Native(header), sizeof(WAVEHDR));
}

uint32_t CWin32WaveIn::Start(WaveInHandle handle) {
    return ::waveInStart(Of(handle));
}

uint32_t CWin32WaveIn::Stop(WaveInHandle handle) {
    return ::waveInStop(Of(handle));
}

uint32_t CWin32WaveIn::Reset(WaveInHandle handle) {
    return ::waveInReset(Of(handle));
}

uint32_t CWin32WaveIn::Close(WaveInHandle handle) {
    return ::waveInClose(Of(handle));
}

} // namespace tonvel::win32
