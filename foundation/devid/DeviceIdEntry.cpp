#include "foundation/devid/DeviceIdEntry.h"

#include "foundation/protect/Protect.h"

#include <vector>

namespace tonvel {
namespace {

// Size of the plaintext buffer a token is deciphered into.
constexpr size_t PlaintextBufferSize = 4096;

std::u16string_view TrimSpaces(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

DeviceIdEntryKind SplitDeviceIdEntry(std::u16string_view value, std::u16string* pattern,
                                     std::u16string* token) {
    const size_t comma = value.find(u',');
    if (comma == std::u16string_view::npos) return DeviceIdEntryKind::NoComma;
    const std::u16string_view left = TrimSpaces(value.substr(0, comma));
    const std::u16string_view right = TrimSpaces(value.substr(comma + 1));
    if (left.empty() || right.empty()) return DeviceIdEntryKind::EmptySide;
    pattern->assign(left);
    token->assign(right);
    return DeviceIdEntryKind::Entry;
}

bool TokenProvesPattern(std::u16string_view token, std::u16string_view pattern) {
    // Tokens are 8-bit text: keep the low byte of each unit.
    std::vector<unsigned char> bytes(token.size());
    for (size_t i = 0; i < token.size(); ++i)
        bytes[i] = static_cast<unsigned char>(token[i] & 0xFF);

    std::vector<unsigned char> plain(PlaintextBufferSize);
    size_t plainLength = plain.size();
    if (DecryptValue(bytes.data(), bytes.size(), plain.data(), &plainLength) != 0) return false;

    // The plaintext ends at its first zero byte and widens like unmarked 8-bit text (signed bytes).
    std::u16string text;
    for (size_t i = 0; i < plainLength && plain[i] != 0; ++i) {
        text.push_back(static_cast<char16_t>(static_cast<int16_t>(static_cast<signed char>(plain[i]))));
    }
    return text == pattern;
}

} // namespace tonvel
