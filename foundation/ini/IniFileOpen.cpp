#include "foundation/ini/IniFileOpen.h"

#include "base/text/Utf.h"

#ifdef _WIN32
#include <stdio.h>
#else
#include <sys/stat.h>
#endif

namespace tonvel {

std::FILE* OpenFileForReading(const std::u16string& path) {
    // A path with an embedded zero would name another file.
    if (path.find(u'\0') != std::u16string::npos) return nullptr;
#ifdef _WIN32
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");
    const std::wstring wide(path.begin(), path.end());
    return _wfopen(wide.c_str(), L"rb");
#else
    return std::fopen(Utf16ToUtf8(path).c_str(), "rb");
#endif
}

bool GetOpenFileLength(std::FILE* file, std::uint64_t* length) {
#ifdef _WIN32
    if (_fseeki64(file, 0, SEEK_END) != 0) return false;
    const long long end = _ftelli64(file);
    if (end < 0 || _fseeki64(file, 0, SEEK_SET) != 0) return false;
#else
    // Only a regular file has a length; a folder opens here but reports a meaningless one.
    struct stat status {};
    if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    if (fseeko(file, 0, SEEK_END) != 0) return false;
    const off_t end = ftello(file);
    if (end < 0 || fseeko(file, 0, SEEK_SET) != 0) return false;
#endif
    *length = static_cast<std::uint64_t>(end);
    return true;
}

} // namespace tonvel
