#pragma once
// The pages of the main window's page container, in their order. The page index is "the page shown" of
// the page switch, the device arrival and the label styles.

#include <cstdint>

namespace tonvel {

enum class PANEL_PAGE : int32_t { None = -1, Eq = 0, Sound3D = 1, Effect = 2, Mic = 3, Virtual71 = 4 };

inline constexpr int32_t PageCount = 5;

constexpr int32_t PageIndex(PANEL_PAGE page) {
    return static_cast<int32_t>(page);
}

// The page of an index of the page container; None outside 0..4.
constexpr PANEL_PAGE PageAt(int32_t index) {
    return index >= 0 && index < PageCount ? static_cast<PANEL_PAGE>(index) : PANEL_PAGE::None;
}

} // namespace tonvel
