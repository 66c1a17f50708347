#include "platform/win32/Win32Hid.h"

#include "platform/win32/Win32Guid.h"

#include <windows.h>

// hidsdi.h brings hidpi.h after the types it needs; mingw-w64 declares them without C linkage.
extern "C" {
#include <hidsdi.h>
}

#include <limits>
#include <string>

namespace tonvel::win32 {

namespace {

HANDLE Handle(HidHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}
PHIDP_PREPARSED_DATA Preparsed(HidPreparsed preparsed) {
    return reinterpret_cast<PHIDP_PREPARSED_DATA>(preparsed);
}
// hid.dll takes a ULONG length; longer buffers are refused rather than cut.
bool FitsUlong(size_t length) {
    return length <= std::numeric_limits<ULONG>::max();
}

} // namespace

std::u16string CWin32Hid::GetHidGuid() {
    GUID guid{};
    ::HidD_GetHidGuid(&guid);
    return GuidText(guid);
}

HidHandle CWin32Hid::OpenInterface(std::u16string_view path) {
    const std::u16string text(path); // terminated copy
    HANDLE handle = ::CreateFileW(reinterpret_cast<const wchar_t*>(text.c_str()),
                                  GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr) return NoHidHandle;
    return reinterpret_cast<HidHandle>(handle);
}

void CWin32Hid::Close(HidHandle handle) {
    if (handle != NoHidHandle) ::CloseHandle(Handle(handle));
}

bool CWin32Hid::GetAttributes(HidHandle handle, HID_ATTRIBUTES& attributes) {
    if (handle == NoHidHandle) return false;
    HIDD_ATTRIBUTES raw{};
    raw.Size = sizeof raw;
    if (!::HidD_GetAttributes(Handle(handle), &raw)) return false;
    attributes.VendorID = raw.VendorID;
    attributes.ProductID = raw.ProductID;
    attributes.VersionNumber = raw.VersionNumber;
    return true;
}

bool CWin32Hid::GetPreparsedData(HidHandle handle, HidPreparsed& preparsed) {
    preparsed = NoHidPreparsed;
    if (handle == NoHidHandle) return false;
    PHIDP_PREPARSED_DATA data = nullptr;
    if (!::HidD_GetPreparsedData(Handle(handle), &data) || data == nullptr) return false;
    preparsed = reinterpret_cast<HidPreparsed>(data);
    return true;
}

int32_t CWin32Hid::GetCaps(HidPreparsed preparsed, HID_CAPS& caps) {
    if (preparsed == NoHidPreparsed) return HidpStatusInvalidPreparsedData;
    HIDP_CAPS raw{};
    const NTSTATUS status = ::HidP_GetCaps(Preparsed(preparsed), &raw);
    if (status == HIDP_STATUS_SUCCESS) {
        caps.Usage = raw.Usage;
        caps.UsagePage = raw.UsagePage;
        caps.InputReportByteLength = raw.InputReportByteLength;
        caps.OutputReportByteLength = raw.OutputReportByteLength;
        caps.FeatureReportByteLength = raw.FeatureReportByteLength;
    }
    return static_cast<int32_t>(status);
}

void CWin32Hid::FreePreparsedData(HidPreparsed preparsed) {
    if (preparsed != NoHidPreparsed) ::HidD_FreePreparsedData(Preparsed(preparsed));
}

bool CWin32Hid::SetOutputReport(HidHandle handle, const uint8_t* report, size_t length) {
    if (handle == NoHidHandle || report == nullptr || length == 0 || !FitsUlong(length)) return false;
    // hid.dll does not write to the buffer of an output report; its parameter is not const.
    return ::HidD_SetOutputReport(Handle(handle), const_cast<uint8_t*>(report), static_cast<ULONG>(length)) !=
           FALSE;
}

bool CWin32Hid::GetInputReport(HidHandle handle, uint8_t* report, size_t length) {
    if (handle == NoHidHandle || report == nullptr || length == 0 || !FitsUlong(length)) return false;
    return ::HidD_GetInputReport(Handle(handle), report, static_cast<ULONG>(length)) != FALSE;
}

} // namespace tonvel::win32
