#pragma once
// One key of a profile file at a time, as the skin, language and outline code read them: the value of at
// most 255 characters, empty text when the file, section or key is missing.

#include <cstdint>
#include <functional>
#include <string>

namespace tonvel {

class IProfileStrings;

inline constexpr uint32_t PanelValueBufferSize = 256;

using ProfileReader = std::function<std::u16string(const std::u16string& section, const std::u16string& key)>;

// A reader of one file through the platform's profile strings.
ProfileReader MakeProfileReader(IProfileStrings& profile, std::u16string filePath);

} // namespace tonvel
