#pragma once
// Single keys of a profile file through the platform's profile-string functions (Windows rules: names
// regardless of case, blanks around the value dropped, one pair of enclosing quotes removed).

#include <cstdint>
#include <string>

namespace tonvel {

class IProfileStrings;

// 0 when the key yields a non-empty value (assigned to `value`, at most 1023 units: a longer value is
// cut); 1 otherwise, `value` unchanged.
int32_t ReadIniString(IProfileStrings& profile, const std::u16string& filePath, const std::u16string& section,
                      const std::u16string& key, std::u16string& value);
// 0 when the profile-string writer succeeds, 1 otherwise.
int32_t WriteIniString(IProfileStrings& profile, const std::u16string& filePath,
                       const std::u16string& section, const std::u16string& key, const std::u16string& value);

} // namespace tonvel
