// The INI engine on any file: LoadFile on the bytes as they are (any mark, any encoding), read through a file
// system held in memory, and the same text written in each of the six encodings, which must all decode to the
// same lines.

#include "base/text/Utf.h"
#include "foundation/ini/IniMgr.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/MemoryFiles.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using tonvel::CIniMgr;

// The fuzzer's bytes and a small valid file, loaded before them to check that a load replaces the content.
const std::u16string Scratch = u"C:\\fuzz.ini";
const std::u16string Previous = u"C:\\previous.ini";

tonvel::fuzz::CMemoryFiles& Files() {
    static tonvel::fuzz::CMemoryFiles files;
    return files;
}

// What the engine's load does with the bytes up to its lines, in memory.
std::vector<std::u16string> DecodeLines(const std::string& bytes, tonvel::TextEncoding* encoding) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t mark = 0;
    *encoding = tonvel::DetectEncoding(data, bytes.size(), &mark);
    std::u16string text;
    std::vector<std::u16string_view> lines;
    TONVEL_FUZZ_CHECK(tonvel::DecodeText(data + mark, bytes.size() - mark, *encoding, &text));
    tonvel::SplitLines(text, &lines);
    return std::vector<std::u16string>(lines.begin(), lines.end());
}

// Loads the file and checks what the engine's lookups give against its own records.
int32_t Load(CIniMgr& ini, const std::u16string& path) {
    const int32_t status = ini.LoadFile(Files(), path);
    TONVEL_FUZZ_CHECK(status == tonvel::IniLoaded || status == tonvel::IniCannotDecode);
    TONVEL_FUZZ_CHECK(ini.Encoding() >= tonvel::TextEightBit && ini.Encoding() <= tonvel::TextUtf32Be);
    TONVEL_FUZZ_CHECK(ini.FilePath() == path);

    for (const auto& section : ini.Sections()) {
        TONVEL_FUZZ_CHECK(!section->m_Lines.empty());
        const std::u16string_view header = section->m_Lines.front();
        TONVEL_FUZZ_CHECK(header.size() >= 2 && header.front() == u'[' && header.back() == u']');
        TONVEL_FUZZ_CHECK(section->m_Name == header.substr(1, header.size() - 2));
        TONVEL_FUZZ_CHECK(ini.HasSection(section->m_Name));
        for (const auto& entry : section->m_Section.m_Values)
            TONVEL_FUZZ_CHECK(!entry.Name.empty());
        TONVEL_FUZZ_CHECK(ini.GetValue(section->m_Name, u"").empty());

        std::vector<std::u16string> names{u"left alone"};
        ini.GetKeyNames(section->m_Name, names);
        // Only the first section of a name answers.
        const tonvel::CIniSectionDefine* first = nullptr;
        for (const auto& other : ini.Sections()) {
            if (other->m_Name == section->m_Name) {
                first = other.get();
                break;
            }
        }
        const auto& values = first->m_Section.m_Values;
        TONVEL_FUZZ_CHECK(names.size() == values.size());
        for (size_t i = 0; i < values.size(); ++i) {
            TONVEL_FUZZ_CHECK(names[i] == values[i].Name);
            size_t firstOfName = 0;
            while (values[firstOfName].Name != values[i].Name)
                ++firstOfName;
            TONVEL_FUZZ_CHECK(ini.GetValue(section->m_Name, values[i].Name) == values[firstOfName].Value);
        }
    }
    std::vector<std::u16string> untouched{u"kept"};
    ini.GetKeyNames(u"\uFFFF no such section", untouched);
    TONVEL_FUZZ_CHECK(untouched.size() == 1 && untouched[0] == u"kept");
    return status;
}

void AppendUnit(std::string& out, uint32_t unit, int width, bool bigEndian) {
    for (int i = 0; i < width; ++i) {
        const int shift = 8 * (bigEndian ? width - 1 - i : i);
        out.push_back(static_cast<char>((unit >> shift) & 0xFF));
    }
}

std::string Encode(const std::u16string& text, int width, bool bigEndian, const char* mark) {
    std::string out(mark);
    if (width == 4 && bigEndian) out.assign("\x00\x00\xFE\xFF", 4);
    if (width == 4 && !bigEndian) out.assign("\xFF\xFE\x00\x00", 4);
    for (char16_t unit : text)
        AppendUnit(out, unit, width, bigEndian);
    return out;
}

bool SameContent(const CIniMgr& a, const CIniMgr& b) {
    if (a.Lines() != b.Lines() || a.Sections().size() != b.Sections().size()) return false;
    for (size_t i = 0; i < a.Sections().size(); ++i) {
        const auto& x = *a.Sections()[i];
        const auto& y = *b.Sections()[i];
        if (x.m_Name != y.m_Name || x.m_Lines != y.m_Lines || x.m_Section.m_Name != y.m_Section.m_Name ||
            x.m_Section.m_Values.size() != y.m_Section.m_Values.size())
            return false;
        for (size_t k = 0; k < x.m_Section.m_Values.size(); ++k) {
            if (x.m_Section.m_Values[k].Name != y.m_Section.m_Values[k].Name ||
                x.m_Section.m_Values[k].Value != y.m_Section.m_Values[k].Value)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // The bytes as a file. A load into a manager that holds another file replaces its content.
    Files().WriteAll(Scratch, bytes.data(), bytes.size());
    Files().WriteAll(Previous, "[old]\nkey=value\n", 16);
    CIniMgr ini;
    const int32_t status = Load(ini, Scratch);
    CIniMgr again;
    TONVEL_FUZZ_CHECK(Load(again, Previous) == tonvel::IniLoaded);
    TONVEL_FUZZ_CHECK(Load(again, Scratch) == status);
    if (status == tonvel::IniLoaded) TONVEL_FUZZ_CHECK(SameContent(ini, again));

    // The bytes read as UTF-8 text (surrogates left out: the engine's own UTF-8 decoder makes none) and
    // written in every encoding decode to the same lines.
    std::u16string text;
    for (char16_t unit : tonvel::Utf8ToUtf16(bytes))
        if (unit < 0xD800 || unit > 0xDFFF) text.push_back(unit);
    tonvel::TextEncoding found;
    const std::vector<std::u16string> lines = DecodeLines(Encode(text, 2, true, "\xFE\xFF"), &found);
    TONVEL_FUZZ_CHECK(found == tonvel::TextUtf16Be);

    struct FORM {
        tonvel::TextEncoding encoding;
        std::string bytes;
    };
    std::vector<FORM> forms;
    forms.push_back({tonvel::TextUtf8, "\xEF\xBB\xBF" + tonvel::Utf16ToUtf8(text)});
    // A little-endian UTF-16 text that begins with U+0000 is taken for UTF-32.
    if (text.empty() || text.front() != 0)
        forms.push_back({tonvel::TextUtf16Le, Encode(text, 2, false, "\xFF\xFE")});
    forms.push_back({tonvel::TextUtf32Le, Encode(text, 4, false, "")});
    forms.push_back({tonvel::TextUtf32Be, Encode(text, 4, true, "")});
    // Unmarked text: 7-bit characters only (no mark begins with one of them).
    bool sevenBit = true;
    for (char16_t unit : text)
        sevenBit = sevenBit && unit < 0x80;
    if (sevenBit) forms.push_back({tonvel::TextEightBit, Encode(text, 1, false, "")});

    for (const FORM& form : forms) {
        TONVEL_FUZZ_CHECK(DecodeLines(form.bytes, &found) == lines);
        TONVEL_FUZZ_CHECK(found == form.encoding);
    }
    return 0;
}
