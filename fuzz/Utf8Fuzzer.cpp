// The UTF-8 / UTF-16 conversions of base/text on any bytes: no access outside the input, and the
// conversions agree with each other.

#include "base/text/Utf.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool IsSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// True if every surrogate of the text is part of a high-low pair.
bool SurrogatesPaired(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsSurrogate(text[i])) continue;
        if (text[i] >= 0xDC00 || i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF)
            return false;
        ++i;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tonvel;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The bytes as UTF-8: the result never holds an unpaired surrogate and survives a round trip.
    const std::u16string wide = Utf8ToUtf16(bytes);
    TONVEL_FUZZ_CHECK(wide.size() <= bytes.size());
    TONVEL_FUZZ_CHECK(SurrogatesPaired(wide));
    const std::string narrow = Utf16ToUtf8(wide);
    TONVEL_FUZZ_CHECK(Utf8ToUtf16(narrow) == wide);

    // The bytes as UTF-16 units: a round trip keeps every unit except unpaired surrogates, which become
    // U+FFFD one for one.
    std::u16string units;
    for (size_t i = 0; i + 1 < size; i += 2)
        units.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    const std::u16string back = Utf8ToUtf16(Utf16ToUtf8(units));
    TONVEL_FUZZ_CHECK(back.size() == units.size());
    for (size_t i = 0; i < units.size(); ++i)
        TONVEL_FUZZ_CHECK(back[i] == units[i] || (IsSurrogate(units[i]) && back[i] == 0xFFFD));

    // Case folding of ASCII letters only.
    const std::u16string upper = AsciiUpper(units);
    TONVEL_FUZZ_CHECK(upper.size() == units.size());
    TONVEL_FUZZ_CHECK(EqualsNoCaseAscii(units, upper));
    for (size_t i = 0; i < units.size(); ++i)
        TONVEL_FUZZ_CHECK(upper[i] == units[i] ||
                          (units[i] >= u'a' && units[i] <= u'z' && upper[i] == units[i] - 32));

    // 7-bit text: one unit per byte.
    TONVEL_FUZZ_CHECK(AsciiToUtf16(bytes).size() == bytes.size());
    return 0;
}
