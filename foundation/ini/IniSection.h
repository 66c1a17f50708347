#pragma once
// The parsed form of INI sections: name/value entries in file order, duplicates kept. Raw lines, names and
// values are views into the text of the file, which the CIniMgr that loaded it owns.

#include <string>
#include <string_view>
#include <vector>

namespace tonvel {

// One entry of a section: the text left and right of the line's first "=".
struct VALUE_NAME_DEFINE {
    std::u16string_view Name; // never empty
    std::u16string_view Value;
};

// The parsed entries of one section.
class CIniSection {
public:
    // Parses the raw lines of a section (its header line first) into m_Name and m_Values; the entries are
    // views into the lines' text.
    void Parse(const std::vector<std::u16string_view>& lines);

    std::u16string m_Name;
    std::vector<VALUE_NAME_DEFINE> m_Values;
};

// One section as it occurs in the file: the name from its header, its raw lines and their parsed form.
class CIniSectionDefine {
public:
    explicit CIniSectionDefine(std::u16string_view name) : m_Name(name) {}

    std::u16string m_Name;
    CIniSection m_Section;
    std::vector<std::u16string_view> m_Lines; // the header line first
};

} // namespace tonvel
