#pragma once
// Label styles: the record read from a language file (or a skin's label overrides), the language's global
// font, and the rule that puts a style on a label, with the font scaling for the screen resolution.

#include "skin/PanelStatus.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tonvel {

inline constexpr size_t LabelTextMax = 127;
inline constexpr size_t LabelFontNameMax = 63;
inline constexpr size_t LabelValueItems = 9;
inline constexpr int32_t GlobalNotSet = -1;

struct _LABEL_STYLE_INFO {
    std::u16string Text; // empty or "(null)" hides the label
    int32_t ColorUp = 0;
    int32_t ColorDown = 0;
    std::u16string FontName;
    int32_t FontSize = 0;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    bool HasColorUp = false;
    bool HasColorDown = false;
    bool HasFontName = false;
    bool HasFontSize = false;
    bool HasLeft = false;
    bool HasTop = false;
    bool HasWidth = false;
    bool HasHeight = false;
};

struct _GLOBAL_FONT_INFO {
    int32_t ColorUp = GlobalNotSet;
    int32_t ColorDown = GlobalNotSet;
    std::u16string FontName; // empty = not set
    int32_t FontSize = GlobalNotSet;
};

// The label's properties that a style may change.
struct LABEL_PROPERTIES {
    bool Visible = true;
    std::u16string Caption;
    int32_t Color = 0;
    std::u16string FontName;
    int32_t FontSize = 8; // points
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
};

// Fills `style` from a label value: text, colour up, colour down, font, size, left, top, width, height.
// With `withText` false (a skin's overrides) the first item is skipped and the text stays. Empty items
// leave their field alone; an empty first item gives the text "(null)".
PANEL_STATUS ParseLabelValue(const std::u16string& value, bool withText, _LABEL_STYLE_INFO& style);

// Reads one "GlobalFont" colour or size value (only its first item counts; empty = not set).
PANEL_STATUS ParseGlobalNumber(const std::u16string& value, int32_t& field);

// The font scale for the screen's logical resolution and the OS generation code.
double FontScaleFactor(int32_t dpi, int32_t osGeneration);
// Nearest whole number, halves to the even neighbour; values beyond the 32-bit range give its nearest end
// (not a number gives 0).
int32_t RoundHalfEven(double value);

bool LabelTextShown(const std::u16string& text);

// Puts `style` on `label`: visibility and caption, colour (up or down), font, scaled size, bounds. Global
// colours are copied into the style's unset colour fields first (their flags stay clear).
void ApplyLabelStyle(_LABEL_STYLE_INFO& style, const _GLOBAL_FONT_INFO& global, bool up, double fontScale,
                     LABEL_PROPERTIES& label);

} // namespace tonvel
