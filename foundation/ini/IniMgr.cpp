#include "foundation/ini/IniMgr.h"

#include "foundation/ini/IniFileOpen.h"
#include "foundation/ini/IniText.h"

#include <cstdio>
#include <limits>
#include <new>

namespace tonvel {
namespace {

// Closes the file when the load returns.
struct FILE_CLOSER {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::int32_t CIniMgr::LoadFile(const std::u16string& path) {
    try {
        m_FilePath = path;
    } catch (const std::bad_alloc&) {
        return kIniNoMemory;
    }
    std::unique_ptr<std::FILE, FILE_CLOSER> file(OpenFileForReading(path));
    if (!file) return kIniCannotOpen;

    std::uint64_t fileLength = 0;
    if (!GetOpenFileLength(file.get(), &fileLength)) return kIniNoLength;
    if (fileLength > std::numeric_limits<std::size_t>::max()) return kIniNoMemory;
    const std::size_t length = static_cast<std::size_t>(fileLength);

    std::unique_ptr<unsigned char[]> bytes(new (std::nothrow) unsigned char[length == 0 ? 1 : length]);
    if (!bytes) return kIniNoMemory;
    if (length != 0 && std::fread(bytes.get(), 1, length, file.get()) != length) return kIniCannotRead;
    file.reset();

    Clear();
    std::size_t markLength = 0;
    const TextEncoding encoding = DetectEncoding(bytes.get(), length, &markLength);
    m_Encoding = encoding;
    try {
        std::u16string text;
        if (!DecodeText(bytes.get() + markLength, length - markLength, encoding, &text))
            return kIniCannotDecode;
        bytes.reset();
        SplitLines(text, &m_Lines);
    } catch (const std::bad_alloc&) {
        return kIniCannotDecode;
    }
    return GroupSections();
}

std::int32_t CIniMgr::GroupSections() {
    try {
        CIniSectionDefine* current = nullptr;
        for (const std::u16string& line : m_Lines) {
            if (line.empty() || line.front() == u';') continue;
            if (IsBracketed(line)) {
                auto record =
                    std::make_unique<CIniSectionDefine>(std::u16string_view(line).substr(1, line.size() - 2));
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
        return kIniNoSectionRecord;
    }
    return kIniLoaded;
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
        names.push_back(entry.Name);
}

std::u16string CIniMgr::GetValue(std::u16string_view section, std::u16string_view name) const {
    if (name.empty()) return {};
    const CIniSectionDefine* record = FindSection(section);
    if (record == nullptr) return {};
    for (const VALUE_NAME_DEFINE& entry : record->m_Section.m_Values) {
        if (entry.Name == name) return entry.Value;
    }
    return {};
}

void CIniMgr::Clear() {
    m_Lines.clear();
    m_Sections.clear();
}

} // namespace tonvel
