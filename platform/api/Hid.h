#pragma once
// hid.dll: the HID interface class, opening an interface path, attributes, capabilities and reports.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tonvel {

// An open HID interface; NoHidHandle is "none".
using HidHandle = uintptr_t;
inline constexpr HidHandle NoHidHandle = 0;

// The preparsed data of an open interface (HidD_GetPreparsedData); NoHidPreparsed is "none".
using HidPreparsed = uintptr_t;
inline constexpr HidPreparsed NoHidPreparsed = 0;

// The status HidP_GetCaps gives on success.
inline constexpr int32_t HidpStatusSuccess = 0x00110000;
// Another status of HidP_GetCaps: the preparsed data is not valid.
inline constexpr int32_t HidpStatusInvalidPreparsedData = static_cast<int32_t>(0xC0110001u);

// HIDD_ATTRIBUTES.
struct HID_ATTRIBUTES {
    uint16_t VendorID = 0;
    uint16_t ProductID = 0;
    uint16_t VersionNumber = 0;
};

// The part of HIDP_CAPS that we read.
struct HID_CAPS {
    uint16_t Usage = 0;
    uint16_t UsagePage = 0;
    uint16_t InputReportByteLength = 0;
    uint16_t OutputReportByteLength = 0;
    uint16_t FeatureReportByteLength = 0;
};

class IHid {
public:
    virtual ~IHid() = default;

    // HidD_GetHidGuid, as text in registry form: "{4D1E55B2-F16F-11CF-88CB-001111000030}".
    virtual std::u16string GetHidGuid() = 0;

    // CreateFileW on an interface path: read and write access, shared for reading and writing, existing
    // only, FILE_FLAG_OVERLAPPED. NoHidHandle when it does not open.
    virtual HidHandle OpenInterface(std::u16string_view path) = 0;
    // CloseHandle.
    virtual void Close(HidHandle handle) = 0;

    // HidD_GetAttributes.
    virtual bool GetAttributes(HidHandle handle, HID_ATTRIBUTES& attributes) = 0;
    // HidD_GetPreparsedData; false leaves `preparsed` as NoHidPreparsed.
    virtual bool GetPreparsedData(HidHandle handle, HidPreparsed& preparsed) = 0;
    // HidP_GetCaps; HidpStatusSuccess or another HIDP status.
    virtual int32_t GetCaps(HidPreparsed preparsed, HID_CAPS& caps) = 0;
    // HidD_FreePreparsedData.
    virtual void FreePreparsedData(HidPreparsed preparsed) = 0;

    // HidD_SetOutputReport with the whole buffer (byte 0 is the report ID).
    virtual bool SetOutputReport(HidHandle handle, const uint8_t* report, size_t length) = 0;
    // HidD_GetInputReport into the whole buffer; byte 0 holds the report ID on entry.
    virtual bool GetInputReport(HidHandle handle, uint8_t* report, size_t length) = 0;
};

} // namespace tonvel
