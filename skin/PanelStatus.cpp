#include "skin/PanelStatus.h"

namespace tonvel {

PANEL_STATUS InvalidIntegerStatus(const std::u16string& text) {
    return {PanelInvalidInteger, u"'" + text + u"' is not a valid integer value"};
}

PANEL_STATUS FileErrorStatus(const std::u16string& path, int32_t error) {
    std::u16string number;
    for (char c : std::to_string(error))
        number.push_back(static_cast<char16_t>(c));
    return {PanelFileError, u"Cannot open file \"" + path + u"\". (error " + number + u")"};
}

} // namespace tonvel
