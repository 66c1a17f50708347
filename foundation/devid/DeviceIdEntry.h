#pragma once
// One entry of a device-ID section: "pattern,token", with the token proving the pattern.

#include <string>
#include <string_view>

namespace tonvel {

// How an entry's value reads.
enum class DeviceIdEntryKind {
    NoComma,   // not an entry: skipped
    EmptySide, // the pattern or the token is empty after trimming
    Entry,     // pattern and token found
};

// Splits the value at its first ","; spaces are trimmed from both ends of each side.
DeviceIdEntryKind SplitDeviceIdEntry(std::u16string_view value, std::u16string* pattern,
                                     std::u16string* token);

// True if the token deciphers with the product key to exactly the pattern.
bool TokenProvesPattern(std::u16string_view token, std::u16string_view pattern);

} // namespace tonvel
