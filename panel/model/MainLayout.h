#pragma once
// The inventory of the main window and the About box as designed: every component with its kind, parent,
// page, tag and the defaults that hold where neither the skin nor the language file says otherwise. The
// window is built from this table on the UI framework.

#include <cstdint>
#include <vector>

namespace tonvel {

enum class DESIGN_KIND { Form, Image, Label, Bevel, Notebook, Panel };

struct COMPONENT_DESIGN {
    const char16_t* Name;
    DESIGN_KIND Kind;
    const char16_t* Parent; // the form, the page container or a page's panel
    int32_t Page;           // page index 0..4 for components on a page, -1 elsewhere
    int32_t Tag;
    int32_t Left, Top, Width, Height;
    bool Visible;
    bool Enabled;
    const char16_t* Caption; // labels and pages; nullptr for the others
};

inline constexpr int32_t MainClientWidth = 806;
inline constexpr int32_t MainClientHeight = 522;
inline constexpr int32_t PageCount = 5;

// TAudioMainForm's components, parents before children, in creation (and drawing) order.
const std::vector<COMPONENT_DESIGN>& MainWindowDesign();
// TAboutForm's components.
const std::vector<COMPONENT_DESIGN>& AboutBoxDesign();
// The panel of a page ("EQPanel", "D3Panel", "EffectPanel", "MicPanel", "Virtual7p1Panel").
const char16_t* PagePanel(int32_t page);
// nullptr when there is no such component.
const COMPONENT_DESIGN* FindDesign(const char16_t* name);

} // namespace tonvel
