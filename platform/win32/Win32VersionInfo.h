#pragma once
// GetFileVersionInfoSizeW / GetFileVersionInfoW / VerQueryValueW (version.dll).

#include "platform/api/VersionInfo.h"

namespace tonvel::win32 {

class CWin32VersionInfo : public IVersionInfo {
public:
    uint32_t GetVersionInfoSize(std::u16string_view path) override;
    bool GetVersionInfo(std::u16string_view path, std::vector<uint8_t>& block) override;
    bool QueryVersionValue(const std::vector<uint8_t>& block, std::u16string_view subBlock,
                           const void*& value, uint32_t& length) override;
};

} // namespace tonvel::win32
