#pragma once
// The registry through the advapi32 calls. The predefined hive keys carry the Win32 values.

#include "platform/api/Registry.h"

namespace tonvel::win32 {

class CWin32Registry : public IRegistry {
public:
    int32_t CreateKey(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& key,
                      bool* created = nullptr) override;
    int32_t OpenKey(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& key) override;
    int32_t FlushKey(RegKey key) override;
    int32_t CloseKey(RegKey key) override;
    int32_t SetValue(RegKey key, const std::u16string& name, uint32_t type, const void* data,
                     uint32_t size) override;
    int32_t QueryValue(RegKey key, const std::u16string& name, uint32_t& type,
                       std::vector<uint8_t>& data) override;
    int32_t DeleteValue(RegKey key, const std::u16string& name) override;
    int32_t EnumKey(RegKey key, uint32_t index, std::u16string& name) override;
    int32_t EnumValue(RegKey key, uint32_t index, std::u16string& name, uint32_t& type,
                      std::vector<uint8_t>& data) override;
    int32_t QueryInfoKey(RegKey key, uint32_t& subKeys, uint32_t& values) override;
    int32_t DeleteKey(RegKey parent, const std::u16string& subKey, uint32_t view) override;
    int32_t DeleteTree(RegKey parent, const std::u16string& subKey, uint32_t view) override;
};

} // namespace tonvel::win32
