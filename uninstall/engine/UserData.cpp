#include "platform/api/Environment.h"
#include "platform/api/FileSystem.h"
#include "uninstall/engine/RemoveFile.h"
#include "uninstall/engine/UninstallSteps.h"

#include <vector>

namespace tonvel {

namespace {

// The folder with everything in it; what cannot go is listed.
void RemoveTree(const UNINSTALL_CONTEXT& context, const std::u16string& folder, UNINSTALL_LIST& list) {
    IFileSystem& files = *context.Plat.files;
    std::vector<std::u16string> names;
    files.ListFiles(folder, names);
    for (const auto& name : names) {
        UNINSTALL_ITEM item = RemoveInstalledFile(context, folder + u"\\" + name, IN_USE_FILE::DeleteInPlace);
        if (Stays(item)) list.push_back(item);
    }
    files.ListFolders(folder, names);
    for (const auto& name : names)
        if (name != u"." && name != u"..") RemoveTree(context, folder + u"\\" + name, list);
    UNINSTALL_ITEM item = RemoveInstalledFolder(context, folder, list);
    if (Stays(item)) list.push_back(item);
}

} // namespace

void RemoveUserData(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    std::u16string appData;
    if (context.Folders.InstallFolderName.empty() ||
        !context.Plat.environment->Variable(UserFolderVariable, appData) || appData.empty())
        return;
    const std::u16string folder = UserFolderPath(appData, context.Folders);
    UNINSTALL_ITEM item = ItemOf(UNINSTALL_KIND::UserData, folder);
    if (!context.Plat.files->IsFolder(folder)) {
        item.Status = ITEM_STATUS::NotPresent;
    } else if (context.Options.KeepUserSettings) {
        item.Status = ITEM_STATUS::Kept;
        item.Reason = ITEM_REASON::UserChoice;
    } else {
        const size_t before = list.size();
        RemoveTree(context, folder, list);
        if (list.size() > before) return; // what stays is listed on its own
    }
    list.push_back(item);
}

} // namespace tonvel
