#pragma once
// A gallery of every component kind on one skinned (borderless, notched) form, for the Win32 backend's
// tests: where each part is and which colour it shows.

#include "ui/core/Application.h"
#include "ui/core/Controls.h"
#include "ui/core/Form.h"
#include "ui/core/NonVisual.h"

#include <memory>
#include <vector>

namespace tonvel::ui::gallery {

inline constexpr Colour Background = Rgb(30, 80, 150);
inline constexpr Colour LabelColour = Rgb(255, 200, 0);
inline constexpr Colour PanelColour = Rgb(200, 60, 60);
inline constexpr Colour HiddenPageColour = Rgb(60, 160, 60);
inline constexpr Colour ActivePageColour = Rgb(220, 220, 80);
// The form's outline: everything but a 80 x 60 notch at the top right.
inline constexpr UI_RECT Notch{400, 0, 480, 60};

// 16 x 16 RGBA: the left half opaque red, the right half green at alpha 128.
const std::vector<uint8_t>& AlphaPng();

struct GALLERY {
    std::unique_ptr<CForm> form;
    CImage* image = nullptr; // the PNG stretched to 32 x 32
    CLabel* label = nullptr;
    CPanel* panel = nullptr;
    CPageControl* pages = nullptr;
    CButton* button = nullptr;
    CRadioButton* radio1 = nullptr;
    CRadioButton* radio2 = nullptr;
    CComboBox* combo = nullptr;
    CFolderList* folders = nullptr;
    CProgressBar* progress = nullptr;
    CTrayIcon* tray = nullptr;
};

// Builds the gallery at window position (100, 80), 480 x 360; not shown yet. Returns false when the
// picture did not decode.
bool BuildGallery(CApplication& app, GALLERY& gallery);

} // namespace tonvel::ui::gallery
