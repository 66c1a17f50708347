#pragma once
// The value syntax of skin and language files: one text split at commas, where a double-quoted stretch may
// hold commas; blanks are not separators and items are not trimmed. Numeric items are 32-bit whole numbers.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tonvel {

// Splits `value` at commas outside double quotes; the quotes themselves are dropped. At most `maxItems`
// items are returned; items beyond them are ignored. An empty value gives no items.
std::vector<std::u16string> SplitValue(std::u16string_view value, size_t maxItems);

// Optional leading blanks, an optional sign, then decimal digits, or hexadecimal digits after "$", "x" or
// "0x" (either letter case); nothing may follow. Decimal values must fit a signed 32-bit integer;
// hexadecimal ones may use all 32 bits ("$FF000005" is a system colour, read as a negative number).
bool ParseInteger(std::u16string_view text, int32_t& value);

} // namespace tonvel
