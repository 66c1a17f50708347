// The simulated profile-string functions on any file: the reader stays within its buffer, and what the
// writer writes reads back, changes one line of the file at most, and leaves the file alone when the
// platform refuses the write.
//
// Input: section, key and value (UTF-8, each ended by a zero byte), a flags byte, a buffer-size byte, then
// the file's bytes.

#include "base/text/Utf.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/MemoryFiles.h"
#include "platform/sim/SimProfileStrings.h"
#include "platform/sim/SimProfileText.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using tonvel::sim::PROFILE_ENCODING;

constexpr char16_t FuzzedPath[] = u"C:\\Users\\Test\\AppData\\Roaming\\Tonvel\\AudioConfig.cfg";
constexpr uint32_t BufferSizes[] = {1, 2, 3, 8, 64, 255, 256, 1023, 1024, 1025};

enum FLAGS : uint8_t { NoFile = 1, FailWrites = 2 };

bool IsBlank(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x1A;
}

std::u16string Trim(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return std::u16string(text);
}

bool HasLineBreak(std::u16string_view text) {
    return text.find_first_of(u"\r\n") != std::u16string_view::npos;
}

// Texts that a profile file can hold as a section name, key or value of their own: no line breaks, a key
// without "=" that does not look like a section header.
bool Writable(const std::u16string& section, const std::u16string& key, const std::u16string& value) {
    const std::u16string name = Trim(key);
    return !HasLineBreak(section) && !HasLineBreak(key) && !HasLineBreak(value) && !name.empty() &&
           name.find(u'=') == std::u16string::npos && name.front() != u'[';
}

// True if the file's encoding carries the text unchanged.
bool Representable(PROFILE_ENCODING encoding, const std::u16string& text) {
    return tonvel::sim::DecodeProfileText(tonvel::sim::EncodeProfileText({encoding, text})).units == text;
}

// What reading the value back gives: blanks dropped at both ends, one pair of enclosing quotes removed,
// cut to the buffer.
std::u16string ReadBack(const std::u16string& value, uint32_t bufferSize) {
    std::u16string text = Trim(value);
    if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') && text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return text.substr(0, bufferSize - 1);
}

// The old text is the new one with at most one piece of one line replaced.
bool OneLineChanged(const std::u16string& before, const std::u16string& after) {
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return !HasLineBreak(std::u16string_view(before).substr(prefix, before.size() - prefix - suffix));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tonvel::fuzz::CFuzzReader input(data, size);
    const std::u16string section = tonvel::Utf8ToUtf16(input.Piece(2048));
    const std::u16string key = tonvel::Utf8ToUtf16(input.Piece(2048));
    const std::u16string value = tonvel::Utf8ToUtf16(input.Piece(4096));
    const uint8_t flags = input.Byte();
    const uint32_t bufferSize = BufferSizes[input.Byte() % std::size(BufferSizes)];
    const std::string_view file = input.Rest();

    tonvel::fuzz::CMemoryFiles files;
    if ((flags & NoFile) == 0) files.m_Files[FuzzedPath].assign(file.begin(), file.end());
    tonvel::sim::CSimProfileStrings profile(files);

    // Reading: the result fits the buffer and its length is returned.
    std::u16string read = u"junk";
    uint32_t length = profile.GetString(section, key, value, read, bufferSize, FuzzedPath);
    TONVEL_FUZZ_CHECK(length == read.size() && length < bufferSize);
    length = profile.GetString(section, key, value, read, 0, FuzzedPath);
    TONVEL_FUZZ_CHECK(length == 0 && read.empty());

    // Writing, refused by the platform: the file stays as it was.
    const std::vector<uint8_t> before = files.m_Files[FuzzedPath];
    if ((flags & NoFile) != 0) files.m_Files.erase(FuzzedPath);
    files.m_FailWrites = (flags & FailWrites) != 0;
    const bool written = profile.WriteString(section, key, value, FuzzedPath);
    if (files.m_FailWrites) {
        if ((flags & NoFile) != 0)
            TONVEL_FUZZ_CHECK(files.m_Files.count(FuzzedPath) == 0);
        else
            TONVEL_FUZZ_CHECK(files.m_Files[FuzzedPath] == before);
        return 0;
    }
    if (!written || !Writable(section, key, value)) return 0;

    // Writing: one line changes or is added, every other line stays.
    const auto old = tonvel::sim::DecodeProfileText(before);
    const auto now = tonvel::sim::DecodeProfileText(files.m_Files[FuzzedPath]);
    if (now.encoding != old.encoding) {
        // Windows takes a file that begins with the bytes of a byte-order mark for text in that encoding,
        // also when an ANSI file's text merely begins with those characters (U+00FF U+00FE, or U+00EF U+00BB
        // U+00BF). Only a key written first into the unnamed leading section of an ANSI file puts them there.
        TONVEL_FUZZ_CHECK(old.encoding == PROFILE_ENCODING::Ansi && Trim(section).empty());
        return 0;
    }
    TONVEL_FUZZ_CHECK(OneLineChanged(old.units, now.units));

    // What was written reads back, unless the file's encoding cannot carry it.
    if (!Representable(now.encoding, section) || !Representable(now.encoding, key) ||
        !Representable(now.encoding, value))
        return 0;
    length = profile.GetString(section, key, u"(default)", read, bufferSize, FuzzedPath);
    TONVEL_FUZZ_CHECK(read == ReadBack(value, bufferSize));

    // Writing the same again changes nothing.
    const std::vector<uint8_t> once = files.m_Files[FuzzedPath];
    TONVEL_FUZZ_CHECK(profile.WriteString(section, key, value, FuzzedPath));
    TONVEL_FUZZ_CHECK(files.m_Files[FuzzedPath] == once);
    return 0;
}
