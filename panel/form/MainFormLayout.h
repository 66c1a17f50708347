#pragma once
// The component inventory of the control panel's main window: every component with its name, kind,
// parent, tag and design defaults, created in z-order (first = bottom). Skin and language files refer to
// these names; the mouse handlers dispatch on the tags.

#include "features/FeatureParts.h"
#include "skin/PanelPage.h"
#include "ui/core/Ui.h"

#include <cstdint>

namespace tonvel {

enum class LAYOUT_KIND { Image, Label, Bevel };

// Event wiring of a component (what its mouse-down and mouse-up go to).
enum class LAYOUT_EVENTS {
    None,      // no events of its own (thumbs, bars, speaker icons, pictures, plain labels)
    Image,     // OnImageMouseDown / OnImageMouseUp
    Label,     // OnLabelMouseDown / OnLabelMouseUp (forwarded to the image of the same tag)
    PageTab,   // OnLabelPageMouseDown
    Background // FormMouseDown (the window background picture)
};

struct LAYOUT_ITEM {
    LAYOUT_KIND Kind;
    const char16_t* Name;
    int32_t Page; // -1: a direct child of the window; 0..4: on that page's panel
    int32_t Tag;
    int32_t Left, Top, Width, Height;
    bool Visible;
    bool Enabled;
    LAYOUT_EVENTS Events;
    const char16_t* Caption; // labels only
};

inline constexpr int32_t MainFormClientWidth = 806;
inline constexpr int32_t MainFormClientHeight = 522;

// The items in creation order.
const LAYOUT_ITEM* MainFormLayout(size_t& count);

// The page container's design bounds, the pages' captions and the names of their panels.
inline constexpr int32_t NotebookLeft = 392, NotebookTop = 104, NotebookWidth = 365, NotebookHeight = 292;
const char16_t* PageCaption(int32_t page);
const char16_t* PagePanelName(int32_t page);

struct MAIN_FORM_PARTS {
    ui::CImage* Background = nullptr; // MainFormImage
    ui::CPageControl* Notebook = nullptr;
    ui::CPanel* Panels[PageCount] = {};
    FEATURE_PARTS Features; // what each feature is handed when it is built
};

// Creates the whole tree on `form` (pages and panels included) and returns the containers and the
// features' components.
MAIN_FORM_PARTS CreateMainFormComponents(ui::CForm& form);

} // namespace tonvel
