#pragma once
// Small text helpers shared by the INI engine's decoding and parsing steps.

#include <string_view>

namespace tonvel {

// Removes every leading and trailing occurrence of one character.
inline std::u16string_view TrimUnit(std::u16string_view text, char16_t unit) {
    while (!text.empty() && text.front() == unit)
        text.remove_prefix(1);
    while (!text.empty() && text.back() == unit)
        text.remove_suffix(1);
    return text;
}

// True if the text is "[...]": opens with "[" and closes with "]".
inline bool IsBracketed(std::u16string_view text) {
    return text.size() >= 2 && text.front() == u'[' && text.back() == u']';
}

} // namespace tonvel
