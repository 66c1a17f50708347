#include "foundation/ini/IniMgr.h"

#include "foundation/ini/IniText.h"
#include "platform/api/FileSystem.h"

#include <new>

namespace tonvel {
namespace {

// The load result for a whole-file read that failed with this Win32 error.
int32_t ReadFailure(int32_t status) {
    if (status == FileNotEnoughMemory || status == FileOutOfMemory) return IniNoMemory;
    if (status == FileReadFault) return IniCannotRead;
    return IniCannotOpen;
}

// Reads the whole file into bytes; returns an IniLoadResult.
int32_t ReadWholeFile(IFileSystem& files, const std::u16string& path, std::vector<uint8_t>& bytes) {
    // A path with an embedded zero would name another file.
    if (path.find(u'\0') != std::u16string::npos) return IniCannotOpen;
    try {
        const int32_t status = files.ReadAll(path, bytes);
        return status == FileOk ? IniLoaded : ReadFailure(status);
    } catch (const std::bad_alloc&) {
        return IniNoMemory;
    }
}

} // namespace

int32_t CIniMgr::LoadFile(IFileSystem& files, const std::u16string& path) {
    try {
        m_FilePath = path;
    } catch (const std::bad_alloc&) {
        return IniNoMemory;
    }
    std::vector<uint8_t> bytes;
    const int32_t read = ReadWholeFile(files, path, bytes);
    if (read != IniLoaded) return read;

    Clear();
    size_t markLength = 0;
    const TextEncoding encoding = DetectEncoding(bytes.data(), bytes.size(), &markLength);
    m_Encoding = encoding;
    try {
        if (!DecodeText(bytes.data() + markLength, bytes.size() - markLength, encoding, &m_Text))
            return IniCannotDecode;
        bytes = std::vector<uint8_t>();
        SplitLines(m_Text, &m_Lines);
    } catch (const std::bad_alloc&) {
        return IniCannotDecode;
    }
    return GroupSections();
}

int32_t CIniMgr::GroupSections() {
    try {
        CIniSectionDefine* current = nullptr;
        for (const std::u16string_view line : m_Lines) {
            if (line.empty() || line.front() == u';') continue;
            if (IsBracketed(line)) {
                auto record = std::make_unique<CIniSectionDefine>(line.substr(1, line.size() - 2));
                record->m_Lines.push_back(line);
                current = record.get();
                m_Sections.push_back(std::move(record));
            } else if (current != nullptr) {
                current->m_Lines.push_back(line);
            }
        }
        for (const auto& record : m_Sections)
            record->m_Section.Parse(record->m_Lines);
    } catch (const std::bad_alloc&) {
        return IniNoSectionRecord;
    }
    return IniLoaded;
}

const CIniSectionDefine* CIniMgr::FindSection(std::u16string_view section) const {
    for (const auto& record : m_Sections) {
        if (record->m_Name == section) return record.get();
    }
    return nullptr;
}

bool CIniMgr::HasSection(std::u16string_view section) const {
    return FindSection(section) != nullptr;
}

void CIniMgr::GetKeyNames(std::u16string_view section, std::vector<std::u16string>& names) const {
    const CIniSectionDefine* record = FindSection(section);
    if (record == nullptr) return;
    names.clear();
    for (const VALUE_NAME_DEFINE& entry : record->m_Section.m_Values)
        names.emplace_back(entry.Name);
}

std::u16string CIniMgr::GetValue(std::u16string_view section, std::u16string_view name) const {
    if (name.empty()) return {};
    const CIniSectionDefine* record = FindSection(section);
    if (record == nullptr) return {};
    for (const VALUE_NAME_DEFINE& entry : record->m_Section.m_Values) {
        if (entry.Name == name) return std::u16string(entry.Value);
    }
    return {};
}

void CIniMgr::Clear() {
    m_Sections.clear();
    m_Lines.clear();
    m_Text.clear();
}

} // namespace tonvel
