#include "foundation/devid/DeviceIdMgr.h"

#include "base/text/Utf.h"
#include "foundation/devid/DeviceIdEntry.h"
#include "platform/api/Registry.h"

namespace tonvel {

int32_t CDeviceIdMgr::Load(IFileSystem& files, const std::u16string& filePath,
                           const std::u16string& section) {
    if (m_Ini.LoadFile(files, filePath) != IniLoaded) return DeviceIdCannotLoad;
    Clear();
    if (!m_Ini.HasSection(section)) return DeviceIdNoSection;
    std::vector<std::u16string> keys;
    m_Ini.GetKeyNames(section, keys);
    if (keys.empty()) return DeviceIdNoKeys;
    for (const std::u16string& key : keys)
        m_RawValues.push_back(m_Ini.GetValue(section, key));
    return BuildMap() ? DeviceIdLoaded : DeviceIdEmptySide;
}

bool CDeviceIdMgr::BuildMap() {
    for (const std::u16string& value : m_RawValues) {
        std::u16string pattern;
        std::u16string token;
        switch (SplitDeviceIdEntry(value, &pattern, &token)) {
        case DeviceIdEntryKind::NoComma:
            continue;
        case DeviceIdEntryKind::EmptySide:
            return false;
        case DeviceIdEntryKind::Entry:
            break;
        }
        if (TokenProvesPattern(token, pattern)) m_DeviceMap.emplace(std::move(pattern), std::move(token));
    }
    return true;
}

bool CDeviceIdMgr::Match(const std::u16string& hardwareId) const {
    const std::u16string id = AsciiUpper(hardwareId);
    for (const auto& [pattern, token] : m_DeviceMap) {
        if (pattern.size() != id.size()) continue;
        std::u16string masked = id;
        for (size_t i = 0; i < pattern.size(); ++i) {
            if (pattern[i] == u'X') masked[i] = u'X';
        }
        if (masked == pattern) return true;
    }
    return false;
}

int32_t CDeviceIdMgr::SaveToRegistry(IRegistry& registry, const std::u16string& groupName) const {
    RegKey key = 0;
    if (registry.CreateKey(RegLocalMachine, DeviceIdGroupKeyRoot + groupName, RegAllAccess, key) != RegOk)
        return 0;
    int number = 1;
    for (const auto& [pattern, token] : m_DeviceMap) {
        registry.SetString(key, AsciiToUtf16(std::to_string(number++)), pattern + u"," + token);
    }
    registry.CloseKey(key);
    return 0;
}

void CDeviceIdMgr::Clear() {
    m_RawValues.clear();
    m_DeviceMap.clear();
}

} // namespace tonvel
