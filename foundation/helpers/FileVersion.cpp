#include "foundation/helpers/FileVersion.h"

#include "base/text/Utf.h"
#include "platform/api/VersionInfo.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace tonvel {

int32_t GetFileVersionString(IVersionInfo& versionInfo, std::u16string_view path, std::u16string& text) {
    const uint32_t size = versionInfo.GetVersionInfoSize(path);
    if (size == 0) return FILE_VERSION_NONE;

    std::vector<uint8_t> block(size);
    if (!versionInfo.GetVersionInfo(path, block)) return FILE_VERSION_UNREADABLE;

    const void* value = nullptr;
    uint32_t length = 0;
    if (!versionInfo.QueryVersionValue(block, u"\\", value, length)) return FILE_VERSION_NO_ROOT;
    if (length == 0 || !value) return FILE_VERSION_EMPTY_ROOT;

    // A root block shorter than the record cannot carry the version; it is treated like a foreign one.
    if (length < sizeof(VS_FIXED_FILE_INFO)) return FILE_VERSION_OK;
    VS_FIXED_FILE_INFO fixed;
    std::memcpy(&fixed, value, sizeof fixed);
    if (fixed.signature != VS_FIXED_FILE_INFO_SIGNATURE) return FILE_VERSION_OK;

    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%u.%u.%u.%u", fixed.fileVersionMS >> 16,
                  fixed.fileVersionMS & 0xFFFF, fixed.fileVersionLS >> 16, fixed.fileVersionLS & 0xFFFF);
    text = AsciiToUtf16(buffer);
    return FILE_VERSION_OK;
}

} // namespace tonvel
