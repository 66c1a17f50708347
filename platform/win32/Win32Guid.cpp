#include "platform/win32/Win32Guid.h"

#include <cstdint>

namespace tonvel::win32 {

namespace {

constexpr char16_t Digits[] = u"0123456789ABCDEF";

void PutHex(std::u16string& out, uint64_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        out += Digits[(value >> shift) & 0xF];
    }
}

int HexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

// Exactly `digits` hexadecimal characters at `at`.
bool ReadHex(std::u16string_view text, size_t at, int digits, uint64_t& value) {
    value = 0;
    for (int i = 0; i < digits; ++i) {
        const int digit = HexValue(text[at + static_cast<size_t>(i)]);
        if (digit < 0) return false;
        value = value * 16 + static_cast<uint64_t>(digit);
    }
    return true;
}

} // namespace

std::u16string GuidText(const GUID& guid) {
    std::u16string out;
    out.reserve(38);
    out += u'{';
    PutHex(out, guid.Data1, 8);
    out += u'-';
    PutHex(out, guid.Data2, 4);
    out += u'-';
    PutHex(out, guid.Data3, 4);
    out += u'-';
    PutHex(out, guid.Data4[0], 2);
    PutHex(out, guid.Data4[1], 2);
    out += u'-';
    for (int i = 2; i < 8; ++i) {
        PutHex(out, guid.Data4[i], 2);
    }
    out += u'}';
    return out;
}

bool ParseGuid(std::u16string_view text, GUID& guid) {
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
    if (text.size() != 38 || text[0] != u'{' || text[37] != u'}' || text[9] != u'-' || text[14] != u'-' ||
        text[19] != u'-' || text[24] != u'-') {
        return false;
    }
    GUID result{};
    uint64_t value = 0;
    if (!ReadHex(text, 1, 8, value)) return false;
    result.Data1 = static_cast<unsigned long>(value);
    if (!ReadHex(text, 10, 4, value)) return false;
    result.Data2 = static_cast<unsigned short>(value);
    if (!ReadHex(text, 15, 4, value)) return false;
    result.Data3 = static_cast<unsigned short>(value);
    const size_t bytes[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!ReadHex(text, bytes[i], 2, value)) return false;
        result.Data4[i] = static_cast<unsigned char>(value);
    }
    guid = result;
    return true;
}

} // namespace tonvel::win32
