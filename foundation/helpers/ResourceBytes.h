#pragma once
// The bytes of a resource embedded in the program's own executable.

#include <cstdint>
#include <string_view>

namespace tonvel {

class IResources;

// Finds the resource with the numeric ID and the named type, loads and locks it. Returns the bytes (valid
// for the program's lifetime, never freed) and their count in size, or null (size 0) when any step fails or
// the resource is empty.
const uint8_t* LoadResourceBytes(IResources& resources, uint16_t id, std::u16string_view typeName,
                                 uint32_t& size);

} // namespace tonvel
