#pragma once
// Copying a folder with everything below it into another folder, with a trace line for every folder made.

#include "platform/api/Platform.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tonvel {

// Every path the copy works with fits in a buffer of 256 units (255 and the terminator).
inline constexpr size_t CopyPathUnits = 256;

enum COPY_FOLDER_TREE_RESULT : int32_t {
    COPY_FOLDER_TREE_REFUSED = 0, // a path without a backslash, or too long for the buffers
    COPY_FOLDER_TREE_DONE = 1,
};

// Copies the tree of `source` to `target` + the source's last name, or to `target` itself when both end in
// the same name; existing files are overwritten. Entries whose paths would not fit are left out.
int32_t CopyFolderTree(const Platform& platform, const std::u16string& source, const std::u16string& target);

} // namespace tonvel
