#pragma once
// Test helpers: profile files held in memory, read with the profile rules (case-insensitive names, trimmed
// values, one pair of enclosing quotes removed, 255 characters), and the sizes of host picture files.

#include "skin/ProfileReader.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tonvel::test {

// section -> key -> value, names compared without regard to ASCII case.
class CProfileFile {
public:
    CProfileFile() = default;

    // Sets or replaces a key.
    void Set(const std::u16string& section, const std::u16string& key, const std::u16string& value);
    void Remove(const std::u16string& section, const std::u16string& key);
    bool Has(const std::u16string& section, const std::u16string& key) const;
    std::u16string Get(const std::u16string& section, const std::u16string& key) const;
    ProfileReader Reader() const;

private:
    std::map<std::u16string, std::vector<std::pair<std::u16string, std::u16string>>> m_Sections;
};

bool HostFileExists(const std::string& path);
// Width and height of a PNG or BMP file.
bool PictureSize(const std::string& path, int32_t& width, int32_t& height);
std::string Narrow(const std::u16string& text);

} // namespace tonvel::test
