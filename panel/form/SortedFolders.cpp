#include "panel/form/SortedFolders.h"

#include "base/text/Utf.h"

#include <algorithm>

namespace tonvel {
namespace {

std::u16string LowerAscii(std::u16string text) {
    for (char16_t& c : text)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return text;
}

} // namespace

std::vector<std::u16string> SortedFolders(IFileSystem& files, const std::u16string& root) {
    std::vector<std::u16string> names;
    if (files.ListFolders(root, names) != FileOk) names.clear();
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const std::u16string& n) { return n == u"." || n == u".."; }),
                names.end());
    std::stable_sort(names.begin(), names.end(), [](const std::u16string& a, const std::u16string& b) {
        return LowerAscii(a) < LowerAscii(b);
    });
    return names;
}

int32_t FolderIndex(const std::vector<std::u16string>& folders, const std::u16string& name) {
    if (name.empty()) return -1;
    for (size_t i = 0; i < folders.size(); ++i)
        if (EqualsNoCaseAscii(folders[i], name)) return static_cast<int32_t>(i);
    return -1;
}

} // namespace tonvel
