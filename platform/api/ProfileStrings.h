#pragma once
// Profile strings: GetPrivateProfileStringW and WritePrivateProfileStringW on one file each call.
//
// Rules (the same for the real and the simulated implementation): section and key names match regardless
// of letter case and blanks around them; blanks around a value are dropped; one pair of matching enclosing
// quotes (" or ') is removed; the first matching section and, within it, the first matching key win; the
// value is cut to fit a buffer of `bufferSize` units including the terminator.

#include <cstdint>
#include <string>

namespace tonvel {

// The buffer that the readers of configuration values use.
inline constexpr uint32_t ProfileBufferSize = 1024;

class IProfileStrings {
public:
    virtual ~IProfileStrings() = default;

    // GetPrivateProfileStringW(section, key, defaultValue, buffer, bufferSize, filePath): sets `value` to
    // what the buffer would hold and returns its length (at most bufferSize - 1). A missing file, section or
    // key gives the default (trailing spaces dropped, enclosing quotes removed, cut like a value).
    virtual uint32_t GetString(const std::u16string& section, const std::u16string& key,
                               const std::u16string& defaultValue, std::u16string& value, uint32_t bufferSize,
                               const std::u16string& filePath) = 0;

    // WritePrivateProfileStringW(section, key, value, filePath): sets the key, creating the file, section
    // and key as needed and keeping the rest of the file. Leading blanks of the value are dropped.
    virtual bool WriteString(const std::u16string& section, const std::u16string& key,
                             const std::u16string& value, const std::u16string& filePath) = 0;
};

} // namespace tonvel
