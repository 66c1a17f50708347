#pragma once
// hid.dll on real Windows: the HID interface class, CreateFileW / CloseHandle on interface paths,
// attributes, preparsed data and capabilities, output and input reports.

#include "platform/api/Hid.h"

namespace tonvel::win32 {

class CWin32Hid : public IHid {
public:
    std::u16string GetHidGuid() override;
    HidHandle OpenInterface(std::u16string_view path) override;
    void Close(HidHandle handle) override;
    bool GetAttributes(HidHandle handle, HID_ATTRIBUTES& attributes) override;
    bool GetPreparsedData(HidHandle handle, HidPreparsed& preparsed) override;
    int32_t GetCaps(HidPreparsed preparsed, HID_CAPS& caps) override;
    void FreePreparsedData(HidPreparsed preparsed) override;
    bool SetOutputReport(HidHandle handle, const uint8_t* report, size_t length) override;
    bool GetInputReport(HidHandle handle, uint8_t* report, size_t length) override;
};

} // namespace tonvel::win32
