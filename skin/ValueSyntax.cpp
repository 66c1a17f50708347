#include "skin/ValueSyntax.h"

namespace tonvel {

std::vector<std::u16string> SplitValue(std::u16string_view value, size_t maxItems) {
    std::vector<std::u16string> items;
    if (value.empty() || maxItems == 0) return items;
    std::u16string current;
    bool quoted = false;
    for (const char16_t unit : value) {
        if (unit == u'"') {
            quoted = !quoted;
        } else if (unit == u',' && !quoted) {
            items.push_back(current);
            current.clear();
            if (items.size() == maxItems) return items;
        } else {
            current.push_back(unit);
        }
    }
    items.push_back(current);
    return items;
}

namespace {

int DigitValue(char16_t unit, bool hex) {
    if (unit >= u'0' && unit <= u'9') return unit - u'0';
    if (!hex) return -1;
    if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
    if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
    return -1;
}

} // namespace

bool ParseInteger(std::u16string_view text, int32_t& value) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text[i] == u'$') {
        hex = true;
        ++i;
    } else if (i < text.size() && (text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size()) return false;
    const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], hex);
        if (digit < 0) return false;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
        if (magnitude > limit) return false;
    }
    const uint32_t bits = static_cast<uint32_t>(magnitude);
    value = static_cast<int32_t>(negative ? 0u - bits : bits);
    return true;
}

} // namespace tonvel
