#pragma once
// The sub-folders of a folder (skins, languages), as the menus list them.

#include "platform/api/FileSystem.h"

#include <string>
#include <vector>

namespace tonvel {

// The sub-folders of `root`, sorted by name without regard to the case of ASCII letters; none when the
// folder cannot be listed.
std::vector<std::u16string> SortedFolders(IFileSystem& files, const std::u16string& root);

} // namespace tonvel
