#include "features/ProfilePlaces.h"

namespace tonvel {
namespace {

bool Place(IEnvironment& environment, const char16_t* variable, const std::u16string& dataFolderName,
           const char16_t* fileName, PROFILE_PLACE& place) {
    place = PROFILE_PLACE{};
    std::u16string root;
    if (!ProfileVariable(environment, variable, root)) return false;
    const std::u16string folder = root + u"\\" + dataFolderName;
    const std::u16string file = fileName ? folder + u"\\" + fileName : std::u16string();
    if (folder.size() > ProfilePathMax || file.size() > ProfilePathMax) return false;
    place.Folder = folder;
    place.File = file;
    return true;
}

} // namespace

bool ProfileVariable(IEnvironment& environment, const std::u16string& name, std::u16string& value) {
    value.clear();
    std::u16string found;
    if (!environment.Variable(name, found) || found.empty() || found.size() > ProfileVariableMax)
        return false;
    value = found;
    return true;
}

bool LastProfilePlace(IEnvironment& environment, const std::u16string& dataFolderName, PROFILE_PLACE& place) {
    return Place(environment, u"APPDATA", dataFolderName, LastProfileFileName, place);
}

bool UserConfigPlace(IEnvironment& environment, const std::u16string& dataFolderName, PROFILE_PLACE& place) {
    return Place(environment, u"APPDATA", dataFolderName, ConfigFileName, place);
}

bool DefaultProfileFolder(IEnvironment& environment, const std::u16string& dataFolderName,
                          PROFILE_PLACE& place) {
    return Place(environment, u"USERPROFILE", dataFolderName, nullptr, place);
}

} // namespace tonvel
