#include "setup/install/CopyFolderTree.h"

#include "foundation/helpers/DebugTrace.h"
#include "platform/api/FileSystem.h"

#include <vector>

namespace tonvel {

namespace {

constexpr char16_t Backslash = u'\\';

bool Fits(const std::u16string& path) {
    return path.size() < CopyPathUnits;
}

bool EndsWithBackslash(const std::u16string& path) {
    return !path.empty() && path.back() == Backslash;
}

std::u16string WithBackslash(const std::u16string& path) {
    return EndsWithBackslash(path) ? path : path + Backslash;
}

// The text after the last backslash; for a path ending in one, the text after the backslash before it,
// that final backslash included.
std::u16string LastName(const std::u16string& path) {
    const size_t end = EndsWithBackslash(path) ? path.size() - 1 : path.size();
    const size_t slash = end == 0 ? std::u16string::npos : path.rfind(Backslash, end - 1);
    return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

// Creates one folder level, with its trace lines.
void MakeFolder(const Platform& platform, const std::u16string& folder) {
    Trace(platform, u"##### Create Directory = ");
    Trace(platform, folder);
    Trace(platform, u"\n");
    if (platform.files->CreateFolder(folder) != FileOk)
        Trace(platform, u"***** Create Directory FAIL! *****\n");
}

void CopyEntries(const Platform& platform, const std::u16string& source, const std::u16string& destination) {
    IFileSystem& files = *platform.files;
    const std::u16string from = WithBackslash(source);
    const std::u16string to = WithBackslash(destination);
    if (!Fits(from + u'*')) return;
    std::vector<std::u16string> names;
    files.ListFolders(from, names);
    for (const std::u16string& name : names) {
        if (name == u"." || name == u"..") continue;
        const std::u16string child = to + name;
        if (!Fits(from + name) || !Fits(child)) continue;
        MakeFolder(platform, child);
        CopyFolderTree(platform, from + name, child);
    }
    names.clear();
    files.ListFiles(from, names);
    for (const std::u16string& name : names)
        if (Fits(from + name) && Fits(to + name)) files.Copy(from + name, to + name, false);
}

} // namespace

int32_t CopyFolderTree(const Platform& platform, const std::u16string& source, const std::u16string& target) {
    if (!Fits(source) || !Fits(target)) return COPY_FOLDER_TREE_REFUSED;
    if (source.find(Backslash) == std::u16string::npos || target.find(Backslash) == std::u16string::npos)
        return COPY_FOLDER_TREE_REFUSED;
    const std::u16string sourceName = LastName(source);
    std::u16string destination = target;
    if (sourceName != LastName(target)) destination = WithBackslash(destination) + sourceName;
    if (EndsWithBackslash(destination)) destination.pop_back();
    if (!Fits(destination)) return COPY_FOLDER_TREE_REFUSED;
    MakeFolder(platform, destination);
    CopyEntries(platform, source, destination);
    return COPY_FOLDER_TREE_DONE;
}

} // namespace tonvel
