#include "foundation/config/IniString.h"

#include "platform/api/ProfileStrings.h"

namespace tonvel {

int32_t ReadIniString(IProfileStrings& profile, const std::u16string& filePath, const std::u16string& section,
                      const std::u16string& key, std::u16string& value) {
    std::u16string buffer;
    if (profile.GetString(section, key, u"", buffer, ProfileBufferSize, filePath) == 0 || buffer.empty()) {
        return 1;
    }
    value = buffer;
    return 0;
}

int32_t WriteIniString(IProfileStrings& profile, const std::u16string& filePath,
                       const std::u16string& section, const std::u16string& key,
                       const std::u16string& value) {
    return profile.WriteString(section, key, value, filePath) ? 0 : 1;
}

} // namespace tonvel
