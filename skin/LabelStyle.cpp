#include "skin/LabelStyle.h"

#include "skin/ValueSyntax.h"

#include <cmath>
#include <cstdint>

namespace tonvel {

PANEL_STATUS ParseLabelValue(const std::u16string& value, bool withText, _LABEL_STYLE_INFO& style) {
    const std::vector<std::u16string> items = SplitValue(value, LabelValueItems);
    if (withText)
        style.Text = items.empty() || items[0].empty() ? u"(null)" : items[0].substr(0, LabelTextMax);
    struct FIELD {
        int32_t* Number;
        bool* Has;
    };
    const FIELD fields[] = {{&style.ColorUp, &style.HasColorUp}, {&style.ColorDown, &style.HasColorDown},
                            {nullptr, &style.HasFontName},       {&style.FontSize, &style.HasFontSize},
                            {&style.Left, &style.HasLeft},       {&style.Top, &style.HasTop},
                            {&style.Width, &style.HasWidth},     {&style.Height, &style.HasHeight}};
    for (size_t i = 1; i < items.size(); ++i) {
        if (items[i].empty()) continue;
        const FIELD& field = fields[i - 1];
        if (field.Number == nullptr) {
            style.FontName = items[i].substr(0, LabelFontNameMax);
        } else if (!ParseInteger(items[i], *field.Number)) {
            return InvalidIntegerStatus(items[i]);
        }
        *field.Has = true;
    }
    return {};
}

PANEL_STATUS ParseGlobalNumber(const std::u16string& value, int32_t& field) {
    const std::vector<std::u16string> items = SplitValue(value, LabelValueItems);
    if (items.empty() || items[0].empty()) {
        field = GlobalNotSet;
        return {};
    }
    if (!ParseInteger(items[0], field)) return InvalidIntegerStatus(items[0]);
    return {};
}

double FontScaleFactor(int32_t dpi, int32_t osGeneration) {
    const double base = osGeneration == 6 ? 1.0 : 0.9;
    if (dpi == 96) return base;
    if (dpi == 120) return base * 0.8;
    if (dpi == 144) return 0.6664;
    // Other resolutions scale in proportion, so that text keeps its size in pixels.
    if (dpi <= 0) return base;
    return base * 96.0 / static_cast<double>(dpi);
}

int32_t RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double rest = value - floor;
    double result = floor;
    if (rest > 0.5) {
        result = floor + 1.0;
    } else if (rest == 0.5) {
        result = std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
    }
    // A size from a file times a scale can leave the 32-bit range; such values stop at its ends.
    if (std::isnan(result)) return 0;
    if (result < -2147483648.0) return INT32_MIN;
    if (result > 2147483647.0) return INT32_MAX;
    return static_cast<int32_t>(result);
}

bool LabelTextShown(const std::u16string& text) {
    return !text.empty() && text != u"(null)";
}

void ApplyLabelStyle(_LABEL_STYLE_INFO& style, const _GLOBAL_FONT_INFO& global, bool up, double fontScale,
                     LABEL_PROPERTIES& label) {
    if (LabelTextShown(style.Text)) {
        label.Visible = true;
        label.Caption = style.Text;
    } else {
        label.Visible = false;
    }
    if (global.ColorUp != GlobalNotSet && !style.HasColorUp) style.ColorUp = global.ColorUp;
    if (global.ColorDown != GlobalNotSet && !style.HasColorDown) style.ColorDown = global.ColorDown;
    if (up) {
        if (style.HasColorUp)
            label.Color = style.ColorUp;
        else if (global.ColorUp != GlobalNotSet)
            label.Color = global.ColorUp;
    } else {
        if (style.HasColorDown)
            label.Color = style.ColorDown;
        else if (global.ColorDown != GlobalNotSet)
            label.Color = global.ColorDown;
    }
    if (style.HasFontName)
        label.FontName = style.FontName;
    else if (!global.FontName.empty())
        label.FontName = global.FontName;
    bool sized = false;
    int32_t size = 0;
    if (style.HasFontSize) {
        size = style.FontSize;
        sized = true;
    } else if (global.FontSize != GlobalNotSet) {
        size = global.FontSize;
        sized = true;
    }
    if (sized) label.FontSize = RoundHalfEven(static_cast<double>(size) * fontScale);
    if (style.HasLeft) label.Left = style.Left;
    if (style.HasTop) label.Top = style.Top;
    if (style.HasWidth) label.Width = style.Width;
    if (style.HasHeight) label.Height = style.Height;
}

} // namespace tonvel
