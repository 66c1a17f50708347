#pragma once
// Step 2's constants: the service program's file and its registration run.

#include <cstdint>

namespace tonvel {

inline constexpr char16_t ServiceProgramFileName[] = u"Castorel.exe";
// The service program, run with this argument, registers the service and ends.
inline constexpr char16_t ServiceRegistrationArgument[] = u" /Service";
inline constexpr uint32_t ServiceRegistrationMs = 100000;

} // namespace tonvel
