#pragma once
// Simulated file version information: per file (paths compare without case) a version or one of the ways
// the version calls can fail. Files not given here have no version information.

#include "platform/api/VersionInfo.h"

#include <map>
#include <string>

namespace tonvel::sim {

class CSimVersionInfo : public IVersionInfo {
public:
    enum VERSION_STATE {
        VERSION_PRESENT,    // a fixed file information record
        VERSION_NONE,       // GetFileVersionInfoSize gives 0
        VERSION_UNREADABLE, // GetFileVersionInfo fails
        VERSION_NO_ROOT,    // VerQueryValue of "\" fails
        VERSION_EMPTY_ROOT, // VerQueryValue of "\" gives 0 bytes
        VERSION_FOREIGN,    // the root block carries another signature
    };

    void SetFileVersion(const std::u16string& path, uint16_t major, uint16_t minor, uint16_t build,
                        uint16_t revision);
    void SetFileState(const std::u16string& path, VERSION_STATE state);

    uint32_t GetVersionInfoSize(std::u16string_view path) override;
    bool GetVersionInfo(std::u16string_view path, std::vector<uint8_t>& block) override;
    bool QueryVersionValue(const std::vector<uint8_t>& block, std::u16string_view subBlock,
                           const void*& value, uint32_t& length) override;

private:
    struct SIM_VERSION {
        VERSION_STATE state = VERSION_NONE;
        VS_FIXED_FILE_INFO fixed{};
    };
    const SIM_VERSION* Find(std::u16string_view path) const;

    std::map<std::u16string, SIM_VERSION> m_Files;
};

} // namespace tonvel::sim
