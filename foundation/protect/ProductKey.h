#pragma once
// The product's DES key for protected configuration values. Shared by the programs (which decipher) and by
// tools/encipher (which makes the tokens).

#include <cstddef>

namespace tonvel {

inline constexpr char ProductKey[] = "Kq4vTz9R";
inline constexpr size_t ProductKeyLength = 8;

} // namespace tonvel
