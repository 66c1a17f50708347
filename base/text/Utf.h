#pragma once
// Conversions between the UTF-16 text that portable code holds and the 8-bit forms at its edges.

#include <string>
#include <string_view>

namespace tonvel {

// UTF-8 to UTF-16; invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// 7-bit text, one unit per byte; for literals and ASCII-only values.
std::u16string AsciiToUtf16(std::string_view text);

// Upper-cases the ASCII letters only (what the hardware-ID and path comparisons need).
std::u16string AsciiUpper(std::u16string_view text);
// Compares ignoring the case of ASCII letters.
bool EqualsNoCaseAscii(std::u16string_view a, std::u16string_view b);

} // namespace tonvel
