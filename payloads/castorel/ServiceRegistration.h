// Castorel.exe /Service: registers the helper service "Castorel" for this program file, or brings an
// existing registration up to date.
#pragma once

#include <cstdint>

namespace castorel {

inline constexpr wchar_t kServiceName[] = L"Castorel";

// Exit codes of the registration run.
inline constexpr int32_t kRegistered = 0;
inline constexpr int32_t kOwnPathUnknown = 1;
inline constexpr int32_t kManagerNotOpened = 2;
inline constexpr int32_t kServiceNotWritten = 3;
inline constexpr int32_t kDescriptionNotWritten = 4;

int32_t RegisterService();

} // namespace castorel
