#include "panel/form/SortedFolders.h"

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

} // namespace tonvel
