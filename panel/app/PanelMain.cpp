#include "panel/app/PanelMain.h"

#include "panel/form/AboutForm.h"

namespace tonvel {

int RunControlPanel(ui::CApplication& app, const Platform& platform, PANEL_OPTIONS options) {
    TAudioMainForm form(app, platform, std::move(options));
    TAboutForm about(app);
    form.SetAbout(&about);
    if (!form.StartUp().Ok()) return 1;
    if (!form.FormCreate()) return 0; // another instance runs; it has been brought forward
    app.Run();
    return 0;
}

} // namespace tonvel
