#pragma once
// Slider thumbs move only up and down, within the range their skin gives them.

#include "ui/core/Ui.h"

#include <cstdint>

namespace tonvel {

// Sets the thumb's Top to `top` within minTop..maxTop (a range whose end lies before its start is its start).
void PlaceThumb(ui::CComponent& thumb, int32_t top, int32_t minTop, int32_t maxTop);
// A press on a bar: the thumb's centre goes to the cursor's y, within the range.
void JumpThumb(ui::CComponent& thumb, int32_t cursorY, int32_t minTop, int32_t maxTop);

} // namespace tonvel
