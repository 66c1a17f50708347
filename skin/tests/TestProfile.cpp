#include "skin/tests/TestProfile.h"

#include "base/text/Utf.h"

#include <fstream>
#include <iterator>

namespace tonvel::test {

namespace {

std::u16string Trim(const std::u16string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && (text[first] == u' ' || text[first] == u'\t'))
        ++first;
    while (last > first && (text[last - 1] == u' ' || text[last - 1] == u'\t' || text[last - 1] == u'\r'))
        --last;
    return text.substr(first, last - first);
}

std::u16string Key(const std::u16string& name) {
    return AsciiUpper(Trim(name));
}

bool ReadHostFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

} // namespace

bool HostFileExists(const std::string& path) {
    return static_cast<bool>(std::ifstream(path, std::ios::binary));
}

bool PictureSize(const std::string& path, int32_t& width, int32_t& height) {
    std::vector<uint8_t> b;
    if (!ReadHostFile(path, b) || b.size() < 26) return false;
    if (b[0] == 0x89 && b[1] == 'P' && b[2] == 'N' && b[3] == 'G') {
        width = b[16] << 24 | b[17] << 16 | b[18] << 8 | b[19];
        height = b[20] << 24 | b[21] << 16 | b[22] << 8 | b[23];
        return true;
    }
    if (b[0] == 'B' && b[1] == 'M') {
        width = b[18] | b[19] << 8 | b[20] << 16 | b[21] << 24;
        height = b[22] | b[23] << 8 | b[24] << 16 | b[25] << 24;
        if (height < 0) height = -height;
        return true;
    }
    return false;
}

std::string Narrow(const std::u16string& text) {
    return Utf16ToUtf8(text);
}

void CProfileFile::Remove(const std::u16string& section, const std::u16string& key) {
    auto& keys = m_Sections[Key(section)];
    std::erase_if(keys, [&](const auto& entry) { return entry.first == Key(key); });
}

void CProfileFile::Set(const std::u16string& section, const std::u16string& key,
                       const std::u16string& value) {
    auto& keys = m_Sections[Key(section)];
    for (auto& [name, old] : keys) {
        if (name == Key(key)) {
            old = value;
            return;
        }
    }
    keys.emplace_back(Key(key), value);
}

bool CProfileFile::Has(const std::u16string& section, const std::u16string& key) const {
    const auto found = m_Sections.find(Key(section));
    if (found == m_Sections.end()) return false;
    for (const auto& [name, value] : found->second)
        if (name == Key(key)) return true;
    return false;
}

std::u16string CProfileFile::Get(const std::u16string& section, const std::u16string& key) const {
    const auto found = m_Sections.find(Key(section));
    if (found == m_Sections.end()) return {};
    for (const auto& [name, raw] : found->second) {
        if (name != Key(key)) continue;
        std::u16string value = Trim(raw);
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return value.substr(0, PanelValueBufferSize - 1);
    }
    return {};
}

ProfileReader CProfileFile::Reader() const {
    return [this](const std::u16string& section, const std::u16string& key) { return Get(section, key); };
}

} // namespace tonvel::test
