#pragma once
// The outcome of reading a skin, language or outline file. The UI framework shows a failed outcome in its
// error box; the caller decides whether the program ends (start-up) or the switch stops.

#include <cstdint>
#include <string>

namespace tonvel {

inline constexpr int32_t PanelOk = 0;
inline constexpr int32_t PanelInvalidInteger = 1; // a numeric item is not a whole number
inline constexpr int32_t PanelFileError = 2;      // a file cannot be opened or read

struct PANEL_STATUS {
    int32_t Code = PanelOk;
    std::u16string Message; // what the error box shows

    bool Ok() const { return Code == PanelOk; }
};

// "'<text>' is not a valid integer value", the framework's conversion error.
PANEL_STATUS InvalidIntegerStatus(const std::u16string& text);
// "Cannot open file "<path>"" with the platform's error number.
PANEL_STATUS FileErrorStatus(const std::u16string& path, int32_t error);

} // namespace tonvel
