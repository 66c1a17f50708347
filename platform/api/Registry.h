#pragma once
// The registry, shaped after the advapi32 calls: predefined hive keys, keys opened relative to a parent,
// typed values as raw bytes, 32/64-bit views (KEY_WOW64_32KEY / KEY_WOW64_64KEY) and Win32 status codes.
// Typed helpers for the value kinds the programs use sit at the end.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace tonvel {

// A key handle. The predefined hives carry the Win32 values so that the real implementation passes them on.
using RegKey = uintptr_t;
namespace detail {
constexpr RegKey HiveHandle(uint32_t value) {
    return static_cast<RegKey>(static_cast<intptr_t>(static_cast<int32_t>(value)));
}
} // namespace detail
inline constexpr RegKey RegClassesRoot = detail::HiveHandle(0x80000000);
inline constexpr RegKey RegCurrentUser = detail::HiveHandle(0x80000001);
inline constexpr RegKey RegLocalMachine = detail::HiveHandle(0x80000002);
inline constexpr RegKey RegUsers = detail::HiveHandle(0x80000003);
inline constexpr RegKey RegCurrentConfig = detail::HiveHandle(0x80000005);

// Access masks (REGSAM).
inline constexpr uint32_t RegRead = 0x20019;      // KEY_READ
inline constexpr uint32_t RegWrite = 0x20006;     // KEY_WRITE
inline constexpr uint32_t RegAllAccess = 0xF003F; // KEY_ALL_ACCESS
inline constexpr uint32_t RegView64 = 0x0100;     // KEY_WOW64_64KEY
inline constexpr uint32_t RegView32 = 0x0200;     // KEY_WOW64_32KEY

// Value types.
inline constexpr uint32_t RegTypeNone = 0;
inline constexpr uint32_t RegTypeSz = 1;
inline constexpr uint32_t RegTypeExpandSz = 2;
inline constexpr uint32_t RegTypeBinary = 3;
inline constexpr uint32_t RegTypeDword = 4;
inline constexpr uint32_t RegTypeMultiSz = 7;

// Win32 status codes.
inline constexpr int32_t RegOk = 0;            // ERROR_SUCCESS
inline constexpr int32_t RegNotFound = 2;      // ERROR_FILE_NOT_FOUND
inline constexpr int32_t RegAccessDenied = 5;  // ERROR_ACCESS_DENIED
inline constexpr int32_t RegInvalidHandle = 6; // ERROR_INVALID_HANDLE
inline constexpr int32_t RegInvalidParam = 87; // ERROR_INVALID_PARAMETER
inline constexpr int32_t RegNoMoreItems = 259; // ERROR_NO_MORE_ITEMS
inline constexpr int32_t RegBadType = 13;      // ERROR_INVALID_DATA: a typed helper found another type

class IRegistry {
public:
    virtual ~IRegistry() = default;

    // RegCreateKeyExW(parent, subKey, 0, nullptr, 0, access, nullptr, &key, &disposition). `created` (may
    // be null) tells whether the key is new. Intermediate keys are created too.
    virtual int32_t CreateKey(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& key,
                              bool* created = nullptr) = 0;
    // RegOpenKeyExW.
    virtual int32_t OpenKey(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& key) = 0;
    // RegFlushKey: the key's values written to disk before the call returns.
    virtual int32_t FlushKey(RegKey key) = 0;
    // RegCloseKey; the predefined hives are not closed.
    virtual int32_t CloseKey(RegKey key) = 0;
    // RegSetValueExW with raw bytes (strings include their terminator, as Windows stores them).
    virtual int32_t SetValue(RegKey key, const std::u16string& name, uint32_t type, const void* data,
                             uint32_t size) = 0;
    // RegQueryValueExW: type and bytes.
    virtual int32_t QueryValue(RegKey key, const std::u16string& name, uint32_t& type,
                               std::vector<uint8_t>& data) = 0;
    // RegDeleteValueW.
    virtual int32_t DeleteValue(RegKey key, const std::u16string& name) = 0;
    // RegEnumKeyExW: the name of the sub-key at this index; RegNoMoreItems past the last.
    virtual int32_t EnumKey(RegKey key, uint32_t index, std::u16string& name) = 0;
    // RegEnumValueW: name, type and bytes of the value at this index; RegNoMoreItems past the last.
    virtual int32_t EnumValue(RegKey key, uint32_t index, std::u16string& name, uint32_t& type,
                              std::vector<uint8_t>& data) = 0;
    // RegQueryInfoKeyW: the number of sub-keys and values.
    virtual int32_t QueryInfoKey(RegKey key, uint32_t& subKeys, uint32_t& values) = 0;
    // RegDeleteKeyExW(parent, subKey, view, 0): a key without sub-keys. `view` is 0, RegView32 or RegView64.
    virtual int32_t DeleteKey(RegKey parent, const std::u16string& subKey, uint32_t view) = 0;
    // RegDeleteTreeW after opening subKey in this view: the key with everything below it.
    virtual int32_t DeleteTree(RegKey parent, const std::u16string& subKey, uint32_t view) = 0;

    // Typed helpers.
    int32_t SetString(RegKey key, const std::u16string& name, const std::u16string& value,
                      uint32_t type = RegTypeSz) {
        return SetValue(key, name, type, value.c_str(),
                        static_cast<uint32_t>((value.size() + 1) * sizeof(char16_t)));
    }
    int32_t SetDword(RegKey key, const std::u16string& name, uint32_t value) {
        return SetValue(key, name, RegTypeDword, &value, sizeof(value));
    }
    int32_t SetMultiString(RegKey key, const std::u16string& name, const std::vector<std::u16string>& items) {
        std::u16string joined;
        for (const auto& item : items) {
            joined += item;
            joined.push_back(u'\0');
        }
        joined.push_back(u'\0');
        return SetValue(key, name, RegTypeMultiSz, joined.data(),
                        static_cast<uint32_t>(joined.size() * sizeof(char16_t)));
    }
    int32_t SetBinary(RegKey key, const std::u16string& name, const std::vector<uint8_t>& bytes) {
        return SetValue(key, name, RegTypeBinary, bytes.data(), static_cast<uint32_t>(bytes.size()));
    }
    // REG_SZ or REG_EXPAND_SZ, up to the first terminator.
    int32_t QueryString(RegKey key, const std::u16string& name, std::u16string& value) {
        uint32_t type = 0;
        std::vector<uint8_t> data;
        const int32_t status = QueryValue(key, name, type, data);
        if (status != RegOk) return status;
        if (type != RegTypeSz && type != RegTypeExpandSz) return RegBadType;
        value = UnitsOf(data);
        const size_t end = value.find(u'\0');
        if (end != std::u16string::npos) value.resize(end);
        return RegOk;
    }
    int32_t QueryDword(RegKey key, const std::u16string& name, uint32_t& value) {
        uint32_t type = 0;
        std::vector<uint8_t> data;
        const int32_t status = QueryValue(key, name, type, data);
        if (status != RegOk) return status;
        if (type != RegTypeDword || data.size() != sizeof(uint32_t)) return RegBadType;
        std::memcpy(&value, data.data(), sizeof(value));
        return RegOk;
    }
    int32_t QueryMultiString(RegKey key, const std::u16string& name, std::vector<std::u16string>& items) {
        uint32_t type = 0;
        std::vector<uint8_t> data;
        const int32_t status = QueryValue(key, name, type, data);
        if (status != RegOk) return status;
        if (type != RegTypeMultiSz) return RegBadType;
        items.clear();
        const std::u16string units = UnitsOf(data);
        size_t start = 0;
        while (start < units.size()) {
            const size_t end = units.find(u'\0', start);
            const size_t stop = end == std::u16string::npos ? units.size() : end;
            if (stop == start) break; // the empty item ends the list
            items.push_back(units.substr(start, stop - start));
            start = stop + 1;
        }
        return RegOk;
    }

private:
    static std::u16string UnitsOf(const std::vector<uint8_t>& data) {
        std::u16string units(data.size() / sizeof(char16_t), u'\0');
        if (!units.empty()) std::memcpy(units.data(), data.data(), units.size() * sizeof(char16_t));
        return units;
    }
};

} // namespace tonvel
