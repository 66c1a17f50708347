#pragma once
// The main window on the simulated Windows and the headless UI: the shipped assets in the program folder,
// the user's configuration as the setup leaves it, and the virtual headset plugged in.

#include "panel/form/AboutForm.h"
#include "panel/form/AudioMainForm.h"
#include "platform/sim/SimWindows.h"
#include "ui/headless/HeadlessBackend.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tonvel {

inline const std::u16string SimProgramFolder = u"C:\\Program Files\\Tonvel\\";

struct Shell {
    sim::CSimWindows sim;
    ui::CHeadlessBackend backend;
    std::unique_ptr<ui::CApplication> app;
    std::unique_ptr<TAudioMainForm> form;
    std::unique_ptr<TAboutForm> about;

    explicit Shell(bool withDevice = true, bool userConfig = true) {
        // One clock, as on Windows: the timers' and the tick count's.
        backend.OnClockAdvanced = [this](uint32_t ms) { sim.SystemInfo().AdvanceTicks(ms); };
        sim.Files().CreateFolders(SimProgramFolder);
        std::filesystem::path host;
        sim.Files().HostPath(SimProgramFolder, host);
        std::filesystem::copy(TONVEL_ASSETS_DIR, host,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        sim.Files().SetModuleFileName(SimProgramFolder + u"Tonvel.exe");
        sim.Files().CreateFolders(AppData()); // there on every Windows
        if (userConfig) {
            const std::u16string user = AppData() + u"\\Tonvel";
            sim.Files().CreateFolders(user);
            sim.Files().Copy(SimProgramFolder + u"AudioConfig.cfg", user + u"\\AudioConfig.cfg", false);
        }
        if (withDevice) sim.Devices().Plug(sim.Headset());
    }
    std::u16string AppData() {
        std::u16string value;
        sim.Environment().Variable(u"APPDATA", value);
        return value;
    }
    std::u16string UserValue(const std::u16string& section, const std::u16string& key) {
        std::u16string value;
        sim.Profile().GetString(section, key, u"", value, 256, AppData() + u"\\Tonvel\\AudioConfig.cfg");
        return value;
    }
    PANEL_STATUS Start(bool create = true) {
        app = std::make_unique<ui::CApplication>(backend, &sim.Files());
        form = std::make_unique<TAudioMainForm>(*app, sim.platform());
        about = std::make_unique<TAboutForm>(*app);
        form->SetAbout(about.get());
        const PANEL_STATUS status = form->StartUp();
        if (status.Ok() && create) form->FormCreate();
        return status;
    }
    // Shows the window and brings it back from the tray, where its first activation put it.
    void ShowPanel() {
        form->Show();
        form->Tray().Restore();
    }
    void Corrupt(const std::u16string& path, const std::string& bytes) { sim.Files().PutFile(path, bytes); }
    ui::UI_POINT At(ui::CComponent& c, int32_t x, int32_t y) { return c.ClientToScreen({x, y}); }
};

inline bool TraceHas(const TAudioMainForm& form, const std::u16string& line) {
    for (const auto& l : form.Trace())
        if (l == line) return true;
    return false;
}

} // namespace tonvel
