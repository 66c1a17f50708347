// Castorel.exe /Service: registers the helper service "Castorel" for this program file, or brings an
// existing registration up to date.
#pragma once

#include <cstdint>

namespace castorel {

inline constexpr wchar_t ServiceName[] = L"Castorel";

// Exit codes of the registration run.
inline constexpr int32_t Registered = 0;
inline constexpr int32_t OwnPathUnknown = 1;
inline constexpr int32_t ManagerNotOpened = 2;
inline constexpr int32_t ServiceNotWritten = 3;
inline constexpr int32_t DescriptionNotWritten = 4;

int32_t RegisterService();

} // namespace castorel
