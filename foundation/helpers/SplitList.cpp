#include "foundation/helpers/SplitList.h"

namespace tonvel {

int32_t SplitList(std::u16string_view text, std::vector<std::u16string>& items) {
    size_t start = 0;
    for (size_t comma = text.find(u','); comma != std::u16string_view::npos; comma = text.find(u',', start)) {
        items.emplace_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    items.emplace_back(text.substr(start));
    return static_cast<int32_t>(items.size());
}

} // namespace tonvel
