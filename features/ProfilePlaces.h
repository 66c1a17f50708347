#pragma once
// Where profiles live: "LastProfile.ini" in the data folder under the user's application data (APPDATA),
// the Save and Load dialogs' default folder under the user's profile folder (USERPROFILE), and the user
// configuration file beside the last profile, which remembers the last saved profile ("LastINI").
// An environment variable that is not set or does not fit its 256-unit buffer, and a joined path longer
// than a Windows path may be, give no place: nothing is saved or loaded there.

#include "foundation/config/ProductNames.h"
#include "platform/api/Environment.h"

#include <cstddef>
#include <string>

namespace tonvel {

inline constexpr char16_t LastProfileFileName[] = u"LastProfile.ini";
// The environment variables are read into 256-unit buffers.
inline constexpr size_t ProfileVariableMax = 255;
// A path, as MAX_PATH holds it with its terminator.
inline constexpr size_t ProfilePathMax = 259;

struct PROFILE_PLACE {
    std::u16string Folder; // the data folder, created before use
    std::u16string File;   // empty for the dialogs' default folder
};

// The variable as its buffer holds it; false when it is not set, empty or too long.
bool ProfileVariable(IEnvironment& environment, const std::u16string& name, std::u16string& value);
// APPDATA\<data folder>\LastProfile.ini.
bool LastProfilePlace(IEnvironment& environment, const std::u16string& dataFolderName, PROFILE_PLACE& place);
// APPDATA\<data folder>\AudioConfig.cfg.
bool UserConfigPlace(IEnvironment& environment, const std::u16string& dataFolderName, PROFILE_PLACE& place);
// USERPROFILE\<data folder>.
bool DefaultProfileFolder(IEnvironment& environment, const std::u16string& dataFolderName,
                          PROFILE_PLACE& place);

} // namespace tonvel
