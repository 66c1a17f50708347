#include "platform/sim/SimProfileStrings.h"

#include "platform/sim/SimPath.h"
#include "platform/sim/SimProfileText.h"

#include <optional>

namespace tonvel::sim {

namespace {

constexpr size_t SimMaxPathLength = 259;

bool IsBlank(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x1A;
}

std::u16string Trim(std::u16string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return std::u16string(text.substr(begin, end - begin));
}

// One line of the file: offsets into the text.
struct LINE {
    size_t begin = 0;      // first unit of the line
    size_t end = 0;        // end of the line's content (before CR / LF)
    size_t next = 0;       // first unit of the next line
    bool blank = true;     // nothing but blanks
    bool section = false;  // a "[name]" header
    std::u16string name;   // section or key name
    bool hasValue = false; // the key line holds "="
    size_t valueBegin = 0; // the trimmed value
    size_t valueEnd = 0;
};

std::vector<LINE> ParseLines(const std::u16string& text) {
    std::vector<LINE> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        LINE line;
        line.begin = pos;
        while (pos < text.size() && text[pos] != u'\r' && text[pos] != u'\n')
            ++pos;
        line.end = pos;
        if (pos < text.size() && text[pos] == u'\r') ++pos;
        if (pos < text.size() && text[pos] == u'\n') ++pos;
        line.next = pos;

        size_t begin = line.begin;
        size_t end = line.end;
        while (begin < end && IsBlank(text[begin]))
            ++begin;
        while (end > begin && IsBlank(text[end - 1]))
            --end;
        line.blank = begin == end;
        if (!line.blank && text[begin] == u'[') {
            size_t close = end - 1;
            while (close > begin && text[close] != u']')
                --close;
            if (close > begin) {
                line.section = true;
                line.name = text.substr(begin + 1, close - begin - 1);
            }
        }
        if (!line.blank && !line.section) {
            size_t equals = begin;
            while (equals < end && text[equals] != u'=')
                ++equals;
            if (equals < end) {
                line.hasValue = true;
                size_t nameEnd = equals;
                while (nameEnd > begin && IsBlank(text[nameEnd - 1]))
                    --nameEnd;
                line.name = text.substr(begin, nameEnd - begin);
                line.valueBegin = equals + 1;
                while (line.valueBegin < end && IsBlank(text[line.valueBegin]))
                    ++line.valueBegin;
                line.valueEnd = end;
            } else {
                line.name = text.substr(begin, end - begin);
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// The range [first, last) of lines that belong to the first section named `section` (first is the line
// after the header; for the unnamed leading section it is line 0). nullopt when there is none.
std::optional<std::pair<size_t, size_t>> FindSection(const std::vector<LINE>& lines,
                                                     const std::u16string& section) {
    size_t first = 0;
    bool found = section.empty();
    size_t i = 0;
    if (!found) {
        for (; i < lines.size(); ++i) {
            if (lines[i].section && SameName(lines[i].name, section)) {
                found = true;
                first = i + 1;
                break;
            }
        }
    }
    if (!found) return std::nullopt;
    size_t last = first;
    while (last < lines.size() && !lines[last].section)
        ++last;
    return std::make_pair(first, last);
}

std::optional<size_t> FindKey(const std::vector<LINE>& lines, std::pair<size_t, size_t> range,
                              const std::u16string& key) {
    for (size_t i = range.first; i < range.second; ++i) {
        if (!lines[i].blank && SameName(lines[i].name, key)) return i;
    }
    return std::nullopt;
}

// One pair of matching enclosing quotes removed, then cut to the buffer.
std::u16string CopyEntry(std::u16string_view value, uint32_t bufferSize, bool stripQuotes) {
    if (stripQuotes && value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::u16string(value.substr(0, bufferSize - 1));
}

std::u16string DefaultWithoutTrailingSpaces(const std::u16string& text) {
    size_t end = text.size();
    while (end > 1 && text[end - 1] == u' ')
        --end;
    return text.substr(0, end);
}

} // namespace

struct CSimProfileStrings::PARSED_FILE {
    std::vector<uint8_t> bytes;
    PROFILE_TEXT text;
    std::vector<LINE> lines;
};

CSimProfileStrings::CSimProfileStrings(IFileSystem& files) : m_Files(files) {}
CSimProfileStrings::~CSimProfileStrings() = default;

const CSimProfileStrings::PARSED_FILE& CSimProfileStrings::Parse(std::vector<uint8_t> bytes) {
    if (!m_Parsed || m_Parsed->bytes != bytes) {
        auto parsed = std::make_unique<PARSED_FILE>();
        parsed->text = DecodeProfileText(bytes);
        parsed->lines = ParseLines(parsed->text.units);
        parsed->bytes = std::move(bytes);
        m_Parsed = std::move(parsed);
    }
    return *m_Parsed;
}

uint32_t CSimProfileStrings::GetString(const std::u16string& section, const std::u16string& key,
                                       const std::u16string& defaultValue, std::u16string& value,
                                       uint32_t bufferSize, const std::u16string& filePath) {
    value.clear();
    if (bufferSize == 0) return 0;
    const std::u16string fallback = DefaultWithoutTrailingSpaces(defaultValue);
    std::vector<uint8_t> bytes;
    const int32_t status = m_Files.ReadAll(filePath, bytes);
    if (status != FileOk && status != FileNotFound) {
        value = CopyEntry(fallback, bufferSize, false);
        return static_cast<uint32_t>(value.size());
    }
    const std::u16string name = Trim(key);
    value = CopyEntry(fallback, bufferSize, true);
    if (status != FileOk || name.empty()) return static_cast<uint32_t>(value.size());

    const PARSED_FILE& parsed = Parse(std::move(bytes));
    const PROFILE_TEXT& text = parsed.text;
    const std::vector<LINE>& lines = parsed.lines;
    const auto range = FindSection(lines, Trim(section));
    if (range) {
        const auto line = FindKey(lines, *range, name);
        if (line && lines[*line].hasValue) {
            const LINE& found = lines[*line];
            value = CopyEntry(
                std::u16string_view(text.units).substr(found.valueBegin, found.valueEnd - found.valueBegin),
                bufferSize, true);
        }
    }
    return static_cast<uint32_t>(value.size());
}

bool CSimProfileStrings::WriteString(const std::u16string& section, const std::u16string& key,
                                     const std::u16string& value, const std::u16string& filePath) {
    const std::u16string sectionName = Trim(section);
    const std::u16string keyName = Trim(key);
    if (keyName.empty()) return false;
    // The file is opened by its plain path, which Windows limits to MAX_PATH with its terminator.
    if (filePath.size() > SimMaxPathLength) return false;
    size_t valueStart = 0;
    while (valueStart < value.size() && IsBlank(value[valueStart]))
        ++valueStart;
    const std::u16string newValue = value.substr(valueStart);

    std::vector<uint8_t> bytes;
    const int32_t status = m_Files.ReadAll(filePath, bytes);
    if (status != FileOk && status != FileNotFound) return false;
    PROFILE_TEXT text;
    if (status == FileOk) text = DecodeProfileText(bytes);
    std::u16string& units = text.units;
    const std::vector<LINE> lines = ParseLines(units);

    const auto range = FindSection(lines, sectionName);
    if (range) {
        const auto line = FindKey(lines, *range, keyName);
        if (line) {
            const LINE& found = lines[*line];
            if (found.hasValue &&
                units.compare(found.valueBegin, found.valueEnd - found.valueBegin, newValue) == 0) {
                return true; // nothing to change
            }
            const size_t nameBegin = units.find(found.name, found.begin);
            units.replace(nameBegin, found.end - nameBegin, found.name + u"=" + newValue);
        } else {
            // After the section's last non-blank line (or its header when it has none).
            size_t at = range->first > 0 ? lines[range->first - 1].next : 0;
            for (size_t i = range->first; i < range->second; ++i) {
                if (!lines[i].blank) at = lines[i].next;
            }
            std::u16string insert = keyName + u"=" + newValue + u"\r\n";
            if (at > 0 && units[at - 1] != u'\n' && units[at - 1] != u'\r') insert = u"\r\n" + insert;
            units.insert(at, insert);
        }
    } else {
        std::u16string append;
        if (!units.empty() && units.back() != u'\n' && units.back() != u'\r') append = u"\r\n";
        append += u"[" + sectionName + u"]\r\n" + keyName + u"=" + newValue + u"\r\n";
        units += append;
    }
    const std::vector<uint8_t> out = EncodeProfileText(text);
    return m_Files.WriteAll(filePath, out.data(), out.size()) == FileOk;
}

} // namespace tonvel::sim
