#include "foundation/ini/IniDecoding.h"

#include "foundation/ini/IniText.h"

#include <algorithm>

namespace tonvel {
namespace {

struct BYTE_ORDER_MARK {
    TextEncoding encoding;
    unsigned char bytes[4];
    size_t length;
};

// In test order: the UTF-32 marks come first because FF FE also opens the UTF-32 little-endian mark.
constexpr BYTE_ORDER_MARK Marks[] = {
    {TextUtf32Le, {0xFF, 0xFE, 0x00, 0x00}, 4}, {TextUtf32Be, {0x00, 0x00, 0xFE, 0xFF}, 4},
    {TextUtf8, {0xEF, 0xBB, 0xBF, 0x00}, 3},    {TextUtf16Le, {0xFF, 0xFE, 0x00, 0x00}, 2},
    {TextUtf16Be, {0xFE, 0xFF, 0x00, 0x00}, 2},
};

// A byte of unmarked text widens as a signed 8-bit value: 0x80-0xFF become U+FF80-U+FFFF.
char16_t WidenSigned(unsigned char byte) {
    return static_cast<char16_t>(static_cast<int16_t>(static_cast<signed char>(byte)));
}

// Sequence length announced by a UTF-8 lead byte, or 0 for a byte that cannot lead.
size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xC0) return 0;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    if (lead < 0xF8) return 4;
    if (lead < 0xFC) return 5;
    if (lead < 0xFE) return 6;
    return 0;
}

// Checks the structure of the sequence at data[at] and returns its length, or 0 if it is malformed or runs
// past the end of the data.
size_t CheckUtf8Sequence(const unsigned char* data, size_t length, size_t at) {
    const size_t size = Utf8SequenceLength(data[at]);
    if (size == 0 || size > length - at) return 0;
    for (size_t i = 1; i < size; ++i) {
        if ((data[at + i] & 0xC0) != 0x80) return 0;
    }
    return size;
}

// Assembles the code point of a checked sequence; over-long forms yield their value.
uint32_t AssembleUtf8(const unsigned char* sequence, size_t size) {
    static constexpr unsigned char LeadPayload[] = {0, 0x7F, 0x1F, 0x0F, 0x07, 0x03, 0x01};
    uint32_t value = sequence[0] & LeadPayload[size];
    for (size_t i = 1; i < size; ++i)
        value = (value << 6) | (sequence[i] & 0x3F);
    return value;
}

bool DecodeUtf8(const unsigned char* data, size_t length, std::u16string* text) {
    // First pass: check every sequence and count the code points.
    size_t count = 0;
    for (size_t at = 0; at < length; ++count) {
        const size_t size = CheckUtf8Sequence(data, length, at);
        if (size == 0) return false;
        at += size;
    }
    // Second pass: store the code points.
    std::vector<uint32_t> points;
    points.reserve(count);
    for (size_t at = 0; at < length;) {
        const size_t size = Utf8SequenceLength(data[at]);
        points.push_back(AssembleUtf8(data + at, size));
        at += size;
    }
    // One UTF-16 unit per code point; no surrogate pairs are made.
    text->reserve(points.size());
    for (uint32_t point : points) {
        if (point > 0xFFFF) return false;
        text->push_back(static_cast<char16_t>(point));
    }
    return true;
}

bool DecodeUtf32(const unsigned char* data, size_t length, bool bigEndian, std::u16string* text) {
    if (length % 4 != 0) return false;
    text->reserve(length / 4);
    for (size_t at = 0; at < length; at += 4) {
        const unsigned char* b = data + at;
        const uint32_t unit =
            bigEndian ? (uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | b[3]
                      : (uint32_t(b[3]) << 24) | (uint32_t(b[2]) << 16) | (uint32_t(b[1]) << 8) | b[0];
        if (unit > 0xFFFF) return false;
        text->push_back(static_cast<char16_t>(unit));
    }
    return true;
}

// Two bytes per character; an odd last byte is not part of any character and is left out.
void DecodeUtf16(const unsigned char* data, size_t length, bool bigEndian, std::u16string* text) {
    text->reserve(length / 2);
    for (size_t at = 0; at + 1 < length; at += 2) {
        const unsigned char first = data[at];
        const unsigned char second = data[at + 1];
        text->push_back(bigEndian ? static_cast<char16_t>((first << 8) | second)
                                  : static_cast<char16_t>((second << 8) | first));
    }
}

} // namespace

TextEncoding DetectEncoding(const unsigned char* data, size_t length, size_t* markLength) {
    *markLength = 0;
    if (length <= 1) return TextEightBit;
    for (const BYTE_ORDER_MARK& mark : Marks) {
        if (length < mark.length) continue;
        bool same = true;
        for (size_t i = 0; i < mark.length; ++i)
            same = same && data[i] == mark.bytes[i];
        if (same) {
            *markLength = mark.length;
            return mark.encoding;
        }
    }
    return TextEightBit;
}

bool DecodeText(const unsigned char* data, size_t length, TextEncoding encoding, std::u16string* text) {
    text->clear();
    switch (encoding) {
    case TextUtf8:
        return DecodeUtf8(data, length, text);
    case TextUtf16Le:
        DecodeUtf16(data, length, false, text);
        return true;
    case TextUtf16Be:
        DecodeUtf16(data, length, true, text);
        return true;
    case TextUtf32Le:
        return DecodeUtf32(data, length, false, text);
    case TextUtf32Be:
        return DecodeUtf32(data, length, true, text);
    case TextEightBit:
        break;
    }
    text->resize(length);
    for (size_t i = 0; i < length; ++i)
        (*text)[i] = WidenSigned(data[i]);
    return true;
}

void SplitLines(std::u16string_view text, std::vector<std::u16string_view>* lines) {
    lines->reserve(lines->size() + std::count(text.begin(), text.end(), u'\n') + 1);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(u'\n', start);
        if (end == std::u16string_view::npos) end = text.size();
        const std::u16string_view piece = text.substr(start, end - start);
        if (!piece.empty()) lines->push_back(TrimUnit(TrimUnit(piece, u' '), u'\r'));
        start = end + 1;
    }
}

} // namespace tonvel
