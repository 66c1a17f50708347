#include "skin/ProfileReader.h"

#include "platform/api/ProfileStrings.h"

namespace tonvel {

ProfileReader MakeProfileReader(IProfileStrings& profile, std::u16string filePath) {
    return [&profile, path = std::move(filePath)](const std::u16string& section, const std::u16string& key) {
        std::u16string value;
        profile.GetString(section, key, u"", value, PanelValueBufferSize, path);
        return value;
    };
}

} // namespace tonvel
