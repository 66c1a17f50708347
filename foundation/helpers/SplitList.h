#pragma once
// Splitting a comma-separated list.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tonvel {

// Appends every piece of text between commas to items, empty pieces included; the text after the last comma
// is the last piece (empty when the text ends with a comma, so an empty text gives one empty item). The list
// is not cleared first. Returns the list's size.
int32_t SplitList(std::u16string_view text, std::vector<std::u16string>& items);

} // namespace tonvel
