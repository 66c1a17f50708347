#pragma once
// Profile strings through GetPrivateProfileStringW and WritePrivateProfileStringW.

#include "platform/api/ProfileStrings.h"

namespace tonvel::win32 {

class CWin32ProfileStrings : public IProfileStrings {
public:
    uint32_t GetString(const std::u16string& section, const std::u16string& key,
                       const std::u16string& defaultValue, std::u16string& value, uint32_t bufferSize,
                       const std::u16string& filePath) override;
    bool WriteString(const std::u16string& section, const std::u16string& key, const std::u16string& value,
                     const std::u16string& filePath) override;
};

} // namespace tonvel::win32
