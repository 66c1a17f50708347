#include "panel/model/TabLayout.h"

namespace tonvel {

void LayOutPageTabs(PAGE_TABS& t) {
    t.Bevel2.Left = t.PageEQ.Left + t.PageEQ.Width;
    t.Bevel2.Top = t.PageEQ.Top;
    t.PageEffect.Left = t.Bevel2.Left + t.Bevel2.Width + 5;
    t.Bevel3.Left = t.PageEffect.Left + t.PageEffect.Width;
    t.Bevel3.Top = t.Bevel2.Top;
    t.PageMic.Left = t.Bevel3.Left + t.Bevel3.Width + 5;
    t.Bevel4.Left = t.PageMic.Left + t.PageMic.Width;
    t.Bevel4.Top = t.Bevel2.Top;
    t.PageVirtual.Left = t.Bevel4.Left + t.Bevel4.Width + 5;
}

} // namespace tonvel
