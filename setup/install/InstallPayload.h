#pragma once
// The program files the setup carries as resources of its own executable, and writing one of them to disk
// byte for byte.

#include "platform/api/Platform.h"

#include <cstdint>
#include <string>

namespace tonvel {

// Resource types (compared without letter case) and identifiers of the payloads.
inline constexpr char16_t ServicePayloadType[] = u"Service";
inline constexpr uint16_t ServicePayload32 = 105; // 32-bit Windows
inline constexpr uint16_t ServicePayload64 = 106; // 64-bit Windows
inline constexpr char16_t AppPayloadType[] = u"APP";
inline constexpr uint16_t AppPayload = 107;
inline constexpr char16_t UninstallPayloadType[] = u"UNINSTALL";
inline constexpr uint16_t UninstallPayload = 108;
inline constexpr char16_t UpdatePayloadType[] = u"WindowPatch";
inline constexpr uint16_t UpdatePayload = 110;

enum WRITE_PAYLOAD_RESULT : int32_t {
    WRITE_PAYLOAD_OK = 0,
    WRITE_PAYLOAD_MISSING = 1,     // the setup does not carry it
    WRITE_PAYLOAD_NOT_WRITTEN = 2, // the file could not be written (completely)
};

// Whether the setup carries the payload of this identifier and type.
bool HasPayload(const Platform& platform, uint16_t id, const std::u16string& type);

// Writes the payload of this identifier and type to the file, creating or overwriting it.
int32_t WritePayload(const Platform& platform, uint16_t id, const std::u16string& type,
                     const std::u16string& path);

} // namespace tonvel
