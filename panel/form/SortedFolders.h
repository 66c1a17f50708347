#pragma once
// The sub-folders of a folder (skins, languages), as the menus list them.

#include "platform/api/FileSystem.h"

#include <string>
#include <vector>

namespace tonvel {

// The sub-folders of `root`, sorted by name without regard to the case of ASCII letters; none when the
// folder cannot be listed.
std::vector<std::u16string> SortedFolders(IFileSystem& files, const std::u16string& root);

// The index of `name` among the folders, compared as Windows compares names (without regard to the case
// of ASCII letters); -1 for an empty name or one that is not there.
int32_t FolderIndex(const std::vector<std::u16string>& folders, const std::u16string& name);

} // namespace tonvel
