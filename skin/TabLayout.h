#pragma once
// The page tabs above the page container: each tab after the EQ tab starts 5 pixels after the separator
// that closes the tab before it. The 3D tab and its separator stay where they are.

#include <cstdint>

namespace tonvel {

struct TAB_BOX {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
};

struct PAGE_TABS {
    TAB_BOX PageEQ, PageEffect, PageMic, PageVirtual; // labels (widths follow their captions)
    TAB_BOX Bevel2, Bevel3, Bevel4;                   // separators
};

// Moves Bevel2 to the right edge of the EQ tab, then lays out Effect, Bevel3, Mic, Bevel4 and Virtual 7.1.
// Edges beyond the 32-bit range (bounds from a language file can be anything) stop at its ends.
void LayOutPageTabs(PAGE_TABS& tabs);

} // namespace tonvel
