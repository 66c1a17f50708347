#include "platform/sim/SimVersionInfo.h"

#include "base/text/Utf.h"

#include <cstring>

namespace tonvel::sim {

// A block is the state (4 bytes) followed by the fixed file information record.
namespace {
constexpr size_t Header = sizeof(uint32_t);
constexpr size_t BlockSize = Header + sizeof(VS_FIXED_FILE_INFO);
} // namespace

void CSimVersionInfo::SetFileVersion(const std::u16string& path, uint16_t major, uint16_t minor,
                                     uint16_t build, uint16_t revision) {
    SIM_VERSION& entry = m_Files[AsciiUpper(path)];
    entry.state = VERSION_PRESENT;
    entry.fixed = {};
    entry.fixed.signature = VS_FIXED_FILE_INFO_SIGNATURE;
    entry.fixed.strucVersion = 0x10000;
    entry.fixed.fileVersionMS = static_cast<uint32_t>(major) << 16 | minor;
    entry.fixed.fileVersionLS = static_cast<uint32_t>(build) << 16 | revision;
    entry.fixed.productVersionMS = entry.fixed.fileVersionMS;
    entry.fixed.productVersionLS = entry.fixed.fileVersionLS;
}

void CSimVersionInfo::SetFileState(const std::u16string& path, VERSION_STATE state) {
    SIM_VERSION& entry = m_Files[AsciiUpper(path)];
    entry.state = state;
    if (state == VERSION_FOREIGN) entry.fixed.signature = 0x12345678;
}

const CSimVersionInfo::SIM_VERSION* CSimVersionInfo::Find(std::u16string_view path) const {
    const auto found = m_Files.find(AsciiUpper(path));
    return found == m_Files.end() ? nullptr : &found->second;
}

uint32_t CSimVersionInfo::GetVersionInfoSize(std::u16string_view path) {
    const SIM_VERSION* entry = Find(path);
    return !entry || entry->state == VERSION_NONE ? 0 : static_cast<uint32_t>(BlockSize);
}

bool CSimVersionInfo::GetVersionInfo(std::u16string_view path, std::vector<uint8_t>& block) {
    const SIM_VERSION* entry = Find(path);
    if (!entry || entry->state == VERSION_NONE || entry->state == VERSION_UNREADABLE) return false;
    if (block.size() < BlockSize) return false;
    const uint32_t state = entry->state;
    std::memcpy(block.data(), &state, Header);
    std::memcpy(block.data() + Header, &entry->fixed, sizeof entry->fixed);
    return true;
}

bool CSimVersionInfo::QueryVersionValue(const std::vector<uint8_t>& block, std::u16string_view subBlock,
                                        const void*& value, uint32_t& length) {
    if (subBlock != u"\\" || block.size() < BlockSize) return false;
    uint32_t state = 0;
    std::memcpy(&state, block.data(), Header);
    if (state == VERSION_NO_ROOT) return false;
    value = block.data() + Header;
    length = state == VERSION_EMPTY_ROOT ? 0 : static_cast<uint32_t>(sizeof(VS_FIXED_FILE_INFO));
    return true;
}

} // namespace tonvel::sim
