#pragma once
// The text of a profile file as the profile-string functions see it. A file that starts with the UTF-16LE
// byte-order mark is UTF-16LE; one that starts with the UTF-8 mark is UTF-8; anything else is read in the
// ANSI code page (Windows-1252 here). Writing keeps the file's form; new files are written in ANSI.

#include <cstdint>
#include <string>
#include <vector>

namespace tonvel::sim {

enum class PROFILE_ENCODING { Ansi, Utf16Le, Utf8 };

struct PROFILE_TEXT {
    PROFILE_ENCODING encoding = PROFILE_ENCODING::Ansi;
    std::u16string units; // without the byte-order mark
};

PROFILE_TEXT DecodeProfileText(const std::vector<uint8_t>& bytes);
// Characters that the ANSI code page lacks become "?".
std::vector<uint8_t> EncodeProfileText(const PROFILE_TEXT& text);

} // namespace tonvel::sim
