#pragma once
// One device-ID group: the hardware-ID patterns of one section of the configuration file whose tokens
// decipher to the pattern itself. Patterns may hold "X" for any one character.

#include "foundation/ini/IniMgr.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tonvel {

class IFileSystem;
class IRegistry;

// A group's registry key lies below this key of HKEY_LOCAL_MACHINE: <root><group name>.
inline constexpr char16_t DeviceIdGroupKeyRoot[] = u"SOFTWARE\\";

// Results of CDeviceIdMgr::Load.
enum DeviceIdLoadResult : int32_t {
    DeviceIdLoaded = 0,
    DeviceIdCannotLoad = 1, // the file cannot be loaded
    DeviceIdNoSection = 2,  // no such section
    DeviceIdNoKeys = 3,     // the section has no keys
    DeviceIdEmptySide = 4,  // an entry has an empty pattern or token
};

class CDeviceIdMgr {
public:
    // Loads the section's entries from the file (read through `files`) and keeps those whose token
    // deciphers to their pattern. A file that cannot be loaded leaves the lists as they were; otherwise they
    // are replaced. With DeviceIdEmptySide the entries accepted before the faulty one stay.
    int32_t Load(IFileSystem& files, const std::u16string& filePath, const std::u16string& section);
    // True if the hardware ID, upper-cased, matches an accepted pattern of the same length.
    bool Match(const std::u16string& hardwareId) const;
    // Writes the accepted entries as values "1", "2", ... ("pattern,token") of HKLM\SOFTWARE\<groupName>
    // in pattern order. Nothing is reported: a key that cannot be created leaves the registry as it was.
    int32_t SaveToRegistry(IRegistry& registry, const std::u16string& groupName) const;
    // Empties the raw values and the accepted entries.
    void Clear();

    const std::vector<std::u16string>& RawValues() const { return m_RawValues; }
    const std::multimap<std::u16string, std::u16string>& DeviceMap() const { return m_DeviceMap; }

private:
    bool BuildMap();

    CIniMgr m_Ini;
    std::vector<std::u16string> m_RawValues;
    std::multimap<std::u16string, std::u16string> m_DeviceMap; // pattern -> token, ordinal order
};

} // namespace tonvel
