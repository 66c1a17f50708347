#include "platform/sim/SimProfileText.h"

#include "base/text/Utf.h"

namespace tonvel::sim {

namespace {

// Windows-1252 at 0x80..0x9F; the five unassigned bytes map to the C1 controls, as Windows does.
constexpr char16_t Cp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t AnsiToUnit(uint8_t byte) {
    if (byte >= 0x80 && byte < 0xA0) return Cp1252High[byte - 0x80];
    return byte;
}

uint8_t UnitToAnsi(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<uint8_t>(unit);
    for (int i = 0; i < 32; ++i) {
        if (Cp1252High[i] == unit) return static_cast<uint8_t>(0x80 + i);
    }
    return '?';
}

} // namespace

PROFILE_TEXT DecodeProfileText(const std::vector<uint8_t>& bytes) {
    PROFILE_TEXT text;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        text.encoding = PROFILE_ENCODING::Utf16Le;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            text.units.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
        }
    } else if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        text.encoding = PROFILE_ENCODING::Utf8;
        text.units =
            Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(bytes.data()) + 3, bytes.size() - 3));
    } else {
        text.units.reserve(bytes.size());
        for (uint8_t byte : bytes)
            text.units.push_back(AnsiToUnit(byte));
    }
    return text;
}

std::vector<uint8_t> EncodeProfileText(const PROFILE_TEXT& text) {
    std::vector<uint8_t> bytes;
    switch (text.encoding) {
    case PROFILE_ENCODING::Utf16Le:
        bytes = {0xFF, 0xFE};
        for (char16_t unit : text.units) {
            bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
            bytes.push_back(static_cast<uint8_t>(unit >> 8));
        }
        break;
    case PROFILE_ENCODING::Utf8: {
        bytes = {0xEF, 0xBB, 0xBF};
        const std::string utf8 = Utf16ToUtf8(text.units);
        bytes.insert(bytes.end(), utf8.begin(), utf8.end());
        break;
    }
    case PROFILE_ENCODING::Ansi:
        bytes.reserve(text.units.size());
        for (char16_t unit : text.units)
            bytes.push_back(UnitToAnsi(unit));
        break;
    }
    return bytes;
}

} // namespace tonvel::sim
