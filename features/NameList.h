#pragma once
// Component names a feature recognises its controls by, and the components themselves.

#include "ui/core/Ui.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace tonvel {

template <size_t N> using NAME_LIST = std::array<std::u16string_view, N>;

template <size_t N> bool IsOneOf(std::u16string_view name, const NAME_LIST<N>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The same for the components a feature has been handed.
template <typename T, size_t N>
bool IsOneOf(const ui::CComponent& component, const std::array<T*, N>& parts) {
    return std::find(parts.begin(), parts.end(), &component) != parts.end();
}

} // namespace tonvel
