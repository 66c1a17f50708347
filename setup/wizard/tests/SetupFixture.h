#pragma once
// The setup program on the simulated Windows and the headless UI: the shipped assets laid out as the
// setup's source folder, the background window and the wizard created as the program entry creates them.

#include "platform/sim/SimWindows.h"
#include "setup/install/InstallSteps.h"
#include "setup/install/tests/StandInSteps.h"
#include "setup/wizard/BackgroundForm.h"
#include "setup/wizard/MainForm.h"
#include "ui/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace tonvel {

struct SetupRun {
    sim::CSimWindows sim;
    ui::CHeadlessBackend backend;
    std::u16string source;
    std::unique_ptr<ui::CApplication> app;
    std::unique_ptr<TBackgroundForm> background;
    std::unique_ptr<TMainForm> wizard;

    explicit SetupRun(std::u16string sourceFolder = u"C:\\Users\\Setup\\Downloads\\TonvelSetup\\")
        : source(std::move(sourceFolder)) {
        sim.Files().CreateFolders(source);
        std::filesystem::path host;
        sim.Files().HostPath(source, host);
        std::filesystem::copy(TONVEL_ASSETS_DIR, host,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        sim.Files().SetModuleFileName(source + u"TonvelSetup.exe");
        sim.FilterDriver().SetPresent(false);
        // The driver payloads the setup carries, and the system folders they are written to.
        sim.CreateSystemFolders();
        sim.Resources().AddResource(102, u"DRIVER", {'3', '2'});
        sim.Resources().AddResource(103, u"DRIVER", {'6', '4'});
    }
    std::u16string Config() const { return source + u"AudioConfig.cfg"; }
    void SetConfig(const std::u16string& section, const std::u16string& key, const std::u16string& value) {
        sim.Profile().WriteString(section, key, value, Config());
    }
    void RemoveConfigLine(const std::u16string& line) {
        std::filesystem::path host;
        sim.Files().HostPath(Config(), host);
        std::ifstream in(host, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string narrow(line.begin(), line.end());
        text.erase(text.find(narrow), narrow.size());
        sim.Files().PutFile(Config(), text);
    }
    std::u16string ConfigValue(const std::u16string& section, const std::u16string& key) {
        std::u16string value;
        sim.Profile().GetString(section, key, u"", value, 256, Config());
        return value;
    }
    // Creates the windows; false when the wizard's construction failed.
    bool Create() {
        app = std::make_unique<ui::CApplication>(backend, &sim.Files());
        app->MainFormOnTaskbar = true;
        background = std::make_unique<TBackgroundForm>(*app, sim.platform());
        wizard = std::make_unique<TMainForm>(*app, sim.platform(), *background);
        background->ShowWizard = [this] { wizard->Show(); };
        UsePostingSteps(wizard->Steps()); // what the steps install is tested with them
        return wizard->Create(nullptr) == ui::UiOk;
    }
    // Creates and shows the windows as the message loop's start does.
    void Start() {
        ASSERT_TRUE(Create());
        background->Show();
        backend.ProcessMessages(*app);
    }
    // Next, then the worker's run to its end and the wizard's handling of what it posted.
    void InstallToEnd() {
        backend.ClickButton(wizard->NextBitBtn());
        wizard->WaitForWorker();
        backend.ProcessMessages(*app);
    }
};

} // namespace tonvel
