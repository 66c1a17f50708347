#pragma once
// File version information: GetFileVersionInfoSize, GetFileVersionInfo, VerQueryValue.

#include <cstdint>
#include <string_view>
#include <vector>

namespace tonvel {

constexpr uint32_t VS_FIXED_FILE_INFO_SIGNATURE = 0xFEEF04BD;

// The layout of VS_FIXEDFILEINFO.
struct VS_FIXED_FILE_INFO {
    uint32_t signature;
    uint32_t strucVersion;
    uint32_t fileVersionMS;
    uint32_t fileVersionLS;
    uint32_t productVersionMS;
    uint32_t productVersionLS;
    uint32_t fileFlagsMask;
    uint32_t fileFlags;
    uint32_t fileOS;
    uint32_t fileType;
    uint32_t fileSubtype;
    uint32_t fileDateMS;
    uint32_t fileDateLS;
};

class IVersionInfo {
public:
    virtual ~IVersionInfo() = default;

    // Size of the file's version information; 0 when it has none or cannot be read.
    virtual uint32_t GetVersionInfoSize(std::u16string_view path) = 0;
    // Reads the version information into the block (its size is the buffer size handed to the call).
    virtual bool GetVersionInfo(std::u16string_view path, std::vector<uint8_t>& block) = 0;
    // VerQueryValueW on a block read by GetFileVersionInfo; value points into the block.
    virtual bool QueryVersionValue(const std::vector<uint8_t>& block, std::u16string_view subBlock,
                                   const void*& value, uint32_t& length) = 0;
};

} // namespace tonvel
