#include "installation/PanelClose.h"
#include "uninstall/engine/UninstallSteps.h"

namespace tonvel {

void ClosePanel(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    const Platform& platform = context.Plat;
    const std::u16string panel = PanelProgramPath(context.Folders);
    const PANELS_CLOSED closed = CloseRunningPanels(platform, panel);
    if (closed == PANELS_CLOSED::NoneRan) return;
    UNINSTALL_ITEM item = ItemOf(UNINSTALL_KIND::Program, panel);
    if (closed == PANELS_CLOSED::StillRunning) {
        item.Status = ITEM_STATUS::Failed;
        item.Reason = ITEM_REASON::StillRunning;
    }
    list.push_back(item);
}

} // namespace tonvel
