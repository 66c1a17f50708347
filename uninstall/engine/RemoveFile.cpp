#include "uninstall/engine/RemoveFile.h"

#include "base/text/Utf.h"
#include "platform/api/FileSystem.h"

#include <vector>

namespace tonvel {

namespace {

bool Missing(int32_t error) {
    return error == FileNotFound || error == FilePathNotFound;
}

bool InUse(int32_t error) {
    return error == FileAccessDenied || error == FileSharingViolation;
}

std::u16string NameOf(const std::u16string& path) {
    const size_t slash = path.find_last_of(u'\\');
    return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

std::u16string WithoutBackslash(std::u16string folder) {
    while (!folder.empty() && folder.back() == u'\\')
        folder.pop_back();
    return folder;
}

// The file moved out of its folder into the parking folder; the new path, or empty when it cannot move.
std::u16string MoveAway(const UNINSTALL_CONTEXT& context, const std::u16string& path) {
    if (context.Options.ParkingFolder.empty()) return {};
    const std::u16string parked = WithBackslash(context.Options.ParkingFolder) + u"~" + NameOf(path);
    IFileSystem& files = *context.Plat.files;
    if (files.Move(path, parked, MoveReplaceExisting) != FileOk) return {};
    return parked;
}

bool IsOriginalProgram(const UNINSTALL_CONTEXT& context, const std::u16string& path) {
    return !context.Options.OriginalProgram.empty() &&
           AsciiUpper(context.Options.OriginalProgram) == AsciiUpper(path);
}

void DeleteAtRestart(const UNINSTALL_CONTEXT& context, const std::u16string& path, UNINSTALL_ITEM& item) {
    const int32_t error = context.Plat.files->Move(path, u"", MoveDelayUntilReboot);
    item.Status = error == FileOk ? ITEM_STATUS::RemovedAtRestart : ITEM_STATUS::Failed;
    item.Reason = error == FileOk ? ITEM_REASON::InUse : ITEM_REASON::Error;
    item.Error = error;
}

// The entries of a folder except "." and "..".
std::vector<std::u16string> EntriesOf(IFileSystem& files, const std::u16string& folder) {
    std::vector<std::u16string> entries;
    std::vector<std::u16string> names;
    files.ListFiles(folder, names);
    entries = names;
    files.ListFolders(folder, names);
    for (const auto& name : names)
        if (name != u"." && name != u"..") entries.push_back(name);
    return entries;
}

bool GoesAtRestart(const UNINSTALL_LIST& done, const std::u16string& path) {
    for (const auto& item : done)
        if (item.Status == ITEM_STATUS::RemovedAtRestart && AsciiUpper(item.Target) == AsciiUpper(path))
            return true;
    return false;
}

} // namespace

UNINSTALL_ITEM RemoveInstalledFile(const UNINSTALL_CONTEXT& context, const std::u16string& path,
                                   IN_USE_FILE inUse) {
    UNINSTALL_ITEM item = ItemOf(UNINSTALL_KIND::File, path);
    const int32_t error = context.Plat.files->Delete(path);
    if (error == FileOk) return item;
    if (Missing(error)) {
        item.Status = ITEM_STATUS::NotPresent;
        return item;
    }
    if (!InUse(error)) {
        item.Status = ITEM_STATUS::Failed;
        item.Reason = ITEM_REASON::Error;
        item.Error = error;
        return item;
    }
    const std::u16string parked = inUse == IN_USE_FILE::MoveAway ? MoveAway(context, path) : u"";
    DeleteAtRestart(context, parked.empty() ? path : parked, item);
    // The uninstaller's own file waits only for this run: it goes with the temporary copy, like it.
    if (!parked.empty() && item.Status == ITEM_STATUS::RemovedAtRestart && IsOriginalProgram(context, path))
        item = ItemOf(UNINSTALL_KIND::File, path);
    return item;
}

UNINSTALL_ITEM RemoveInstalledFolder(const UNINSTALL_CONTEXT& context, const std::u16string& folder,
                                     const UNINSTALL_LIST& done) {
    IFileSystem& files = *context.Plat.files;
    const std::u16string path = WithoutBackslash(folder);
    UNINSTALL_ITEM item = ItemOf(UNINSTALL_KIND::Folder, path);
    const int32_t error = files.RemoveFolder(path);
    if (error == FileOk) return item;
    if (Missing(error) || !files.IsFolder(path)) {
        item.Status = ITEM_STATUS::NotPresent;
        return item;
    }
    std::u16string foreign;
    for (const auto& name : EntriesOf(files, path)) {
        if (GoesAtRestart(done, path + u"\\" + name)) continue;
        foreign += (foreign.empty() ? u"" : u", ") + name;
    }
    if (foreign.empty()) {
        DeleteAtRestart(context, path, item);
        return item;
    }
    item.Status = ITEM_STATUS::Failed;
    item.Reason = ITEM_REASON::ForeignFiles;
    item.Detail = foreign;
    return item;
}

} // namespace tonvel
