#include "features/Thumb.h"

#include <algorithm>

namespace tonvel {

void PlaceThumb(ui::CComponent& thumb, int32_t top, int32_t minTop, int32_t maxTop) {
    thumb.SetTop(std::clamp(top, minTop, std::max(minTop, maxTop)));
}

void JumpThumb(ui::CComponent& thumb, int32_t cursorY, int32_t minTop, int32_t maxTop) {
    PlaceThumb(thumb, cursorY - thumb.Height() / 2, minTop, maxTop);
}

} // namespace tonvel
