#include "setup/wizard/SetupMain.h"

#include "setup/wizard/BackgroundForm.h"
#include "setup/wizard/MainForm.h"

namespace tonvel {

int RunSetup(ui::CApplication& app, const Platform& platform) {
    app.MainFormOnTaskbar = true;
    TBackgroundForm background(app, platform);
    TMainForm wizard(app, platform, background);
    background.ShowWizard = [&wizard] { wizard.Show(); };
    ui::CUiError error;
    if (wizard.Create(&error) != ui::UiOk) {
        app.ShowError(error);
        return 1;
    }
    app.Run();
    return 0;
}

} // namespace tonvel
