#pragma once
// A read-only INI file engine: reads a whole file through the platform's file system, recognises its
// encoding by the byte-order mark, splits it into lines and sections and lists every entry of a section in
// file order, duplicates included.

#include "foundation/ini/IniDecoding.h"
#include "foundation/ini/IniSection.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tonvel {

class IFileSystem;

// Results of CIniMgr::LoadFile.
enum IniLoadResult : int32_t {
    IniLoaded = 0,
    IniCannotOpen = 1,      // the file cannot be opened (missing, a folder, access denied, ...)
    IniNoLength = 2,        // the file's length cannot be determined (a whole-file read reports it as 1)
    IniNoMemory = 3,        // no memory for the file's bytes
    IniCannotRead = 4,      // the file opened but cannot be read
    IniCannotDecode = 5,    // bad UTF-8, bad UTF-32 length or value, out of memory while decoding
    IniNoSectionRecord = 6, // a section record cannot be created
};

class CIniMgr {
public:
    CIniMgr() = default;
    ~CIniMgr() { Clear(); }
    // Neither copied nor moved: the lines and entries point into the manager's own text.
    CIniMgr(const CIniMgr&) = delete;
    CIniMgr& operator=(const CIniMgr&) = delete;

    // Reads the file through `files` and replaces the content once the file has been read completely.
    // Returns an IniLoadResult; after a decoding or grouping failure the content holds what was done up to
    // that point.
    int32_t LoadFile(IFileSystem& files, const std::u16string& path);

    // True if any section carries exactly this name (case-sensitive).
    bool HasSection(std::u16string_view section) const;
    // If the section exists: clears names, then appends the name of every entry of its first occurrence,
    // in file order, duplicates included. Otherwise names is left unchanged.
    void GetKeyNames(std::u16string_view section, std::vector<std::u16string>& names) const;
    // The value of the first entry with this name in the first section with this name; empty if the entry
    // name is empty, the section is missing or no entry matches.
    std::u16string GetValue(std::u16string_view section, std::u16string_view name) const;
    // Empties the lines and the text they view and deletes the section records.
    void Clear();

    int32_t Encoding() const { return m_Encoding; }
    const std::u16string& FilePath() const { return m_FilePath; }
    const std::vector<std::u16string_view>& Lines() const { return m_Lines; }
    const std::vector<std::unique_ptr<CIniSectionDefine>>& Sections() const { return m_Sections; }

private:
    const CIniSectionDefine* FindSection(std::u16string_view section) const;
    int32_t GroupSections();

    int32_t m_Encoding = TextEightBit;
    std::u16string m_FilePath;
    // The decoded text of the last load. The lines, the sections' lines and their entries are views into
    // it, so it changes only when they are rebuilt.
    std::u16string m_Text;
    std::vector<std::u16string_view> m_Lines;
    std::vector<std::unique_ptr<CIniSectionDefine>> m_Sections;
};

} // namespace tonvel
