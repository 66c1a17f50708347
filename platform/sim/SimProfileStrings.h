#pragma once
// GetPrivateProfileStringW / WritePrivateProfileStringW over a file system, with the Windows rules:
// - a line is cut at CR or LF; blanks (space, tab, CR, LF, VT, FF and Ctrl-Z) around it are dropped;
// - "[name]" starts a section: the name is the text between "[" and the last "]", as written; a "[" line
//   without "]" is an ordinary line; lines before the first header form a section with an empty name;
// - other lines are "key=value" (blanks around the key and the value dropped) or a key without value;
//   there are no comments: ";x=1" is the key ";x";
// - requested section and key names are trimmed and compared regardless of letter case; the first
//   matching section is the only one searched and its first matching key wins; a key without "=" gives
//   the default;
// - one pair of matching enclosing quotes (" or ') is removed from the value, then it is cut to the
//   buffer (bufferSize - 1 units);
// - the default loses trailing spaces; when the file or its folder is missing it is returned as is,
//   otherwise its enclosing quotes are removed too;
// - writing edits the file in place: an existing key's line gets the new value, a new key goes after the
//   last non-blank line of the first matching section, a new section is appended at the end of the file;
//   every other byte of the file stays; the value loses its leading blanks; lines end in CR LF.
// See SimProfileText.h for the file encodings.

#include "platform/api/FileSystem.h"
#include "platform/api/ProfileStrings.h"

#include <memory>

namespace tonvel::sim {

class CSimProfileStrings : public IProfileStrings {
public:
    explicit CSimProfileStrings(IFileSystem& files);
    ~CSimProfileStrings() override;

    uint32_t GetString(const std::u16string& section, const std::u16string& key,
                       const std::u16string& defaultValue, std::u16string& value, uint32_t bufferSize,
                       const std::u16string& filePath) override;
    bool WriteString(const std::u16string& section, const std::u16string& key, const std::u16string& value,
                     const std::u16string& filePath) override;

private:
    struct PARSED_FILE;
    // The file read every time, as Windows does; its lines parsed again only when its bytes changed (a
    // skin or language file is read a few hundred times in a row).
    const PARSED_FILE& Parse(std::vector<uint8_t> bytes);

    IFileSystem& m_Files;
    std::unique_ptr<PARSED_FILE> m_Parsed;
};

} // namespace tonvel::sim
