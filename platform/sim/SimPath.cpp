#include "platform/sim/SimPath.h"

namespace tonvel::sim {
namespace {

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

bool IsDriveLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Appends the names of `text` to `out`, folding "." and "..".
void AppendNames(std::u16string_view text, std::vector<std::u16string>& out) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = start;
        while (end < text.size() && !IsSeparator(text[end]))
            ++end;
        std::u16string name(text.substr(start, end - start));
        if (name == u"..") {
            if (!out.empty()) out.pop_back();
        } else if (name != u".") {
            while (!name.empty() && (name.back() == u'.' || name.back() == u' '))
                name.pop_back();
            if (!name.empty()) out.push_back(name);
        }
        start = end + 1;
    }
}

} // namespace

char16_t FoldCase(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
    return c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

bool ParseWindowsPath(const std::u16string& path, const std::u16string& current, SIM_PATH& out) {
    std::u16string_view text(path);
    if (text.substr(0, 4) == u"\\\\?\\") text.remove_prefix(4);
    if (text.size() >= 2 && IsSeparator(text[0]) && IsSeparator(text[1])) return false; // UNC or device
    out = SIM_PATH{};
    if (text.size() >= 2 && text[1] == u':') {
        if (!IsDriveLetter(text[0])) return false;
        out.drive = FoldCase(text[0]);
        text.remove_prefix(2);
        if (text.empty() || !IsSeparator(text[0])) {
            // Drive-relative ("C:name"): below the current folder when it is on that drive, else the root.
            SIM_PATH base;
            if (ParseWindowsPath(current, u"C:\\", base) && base.drive == out.drive) out.names = base.names;
        }
        AppendNames(text, out.names);
        return true;
    }
    SIM_PATH base;
    if (current.empty() || !ParseWindowsPath(current, u"C:\\", base)) return false;
    out.drive = base.drive;
    if (!text.empty() && IsSeparator(text[0])) {
        AppendNames(text, out.names); // rooted on the current drive
    } else {
        out.names = base.names;
        AppendNames(text, out.names);
    }
    return true;
}

} // namespace tonvel::sim
