#pragma once
// The trace: lines for the debugger output, each formatted into a 256-unit buffer (a longer line is cut to
// 255 units) and written unconditionally. A platform without an environment writes nothing.

#include "platform/api/Platform.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tonvel {

inline constexpr size_t TraceBufferUnits = 256;

// Writes the line as it is (cut to fit the buffer).
void Trace(const Platform& platform, std::u16string_view line);
// "==> %s\n" with the qualified name of the method entered.
void TraceEnter(const Platform& platform, std::u16string_view method);

} // namespace tonvel
