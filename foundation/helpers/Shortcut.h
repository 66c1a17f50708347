#pragma once
// A Start-menu shortcut in the all-users programs folder.

#include <string>

namespace tonvel {

struct Platform;

inline constexpr char16_t LinkSuffix[] = u".lnk"; // a shortcut's file name ends in it

// Creates <all users' Start-menu programs>\<folderName>\<shortcutName>.lnk pointing at targetPath (no
// arguments, working folder, icon or description). Uses shell, environment and files. Nothing is reported;
// a path that would not fit in 260 units is not created.
void CreateShortcut(const Platform& platform, const std::u16string& folderName,
                    const std::u16string& targetPath, const std::u16string& shortcutName);

} // namespace tonvel
