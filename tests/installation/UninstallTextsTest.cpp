#include "uninstall/engine/UninstallTexts.h"

#include "tests/installation/UninstallFixture.h"

#include <gtest/gtest.h>

namespace tonvel::sim {
namespace {

TEST(UninstallTexts, TheInstalledLanguageGivesTheTextsAndTheConfigurationTheCaption) {
    UNINSTALL_MACHINE machine;
    machine.Install();
    machine.sim.Profile().WriteString(u"Language", u"DefaultLanguage", u"Deutsch",
                                      machine.Installed(u"AudioConfig.cfg"));
    _APPLICATION_FOLDER_PATH folders;
    folders.InstallFolderFullPath = machine.installFolder;
    folders.LanguageFolderName = u"Language";
    const UNINSTALL_TEXTS texts = LoadUninstallTexts(machine.sim.Profile(), folders);
    EXPECT_EQ(texts.Caption, u"Tonvel Uninstall");
    EXPECT_EQ(texts[LabelUninstallNoAdmin].substr(0, 4), u"Sie ");
    for (size_t i = 0; i < UninstallTextCount; ++i)
        EXPECT_NE(texts.Text[i], DefaultUninstallTexts().Text[i]) << i; // every entry is in the German file
}

TEST(UninstallTexts, AMissingLanguageFileLeavesTheEnglishTexts) {
    UNINSTALL_MACHINE machine;
    _APPLICATION_FOLDER_PATH folders;
    folders.InstallFolderFullPath = machine.installFolder;
    folders.LanguageFolderName = u"Language";
    const UNINSTALL_TEXTS texts = LoadUninstallTexts(machine.sim.Profile(), folders);
    EXPECT_EQ(texts.Caption, u"Uninstall");
    EXPECT_EQ(texts.Text, DefaultUninstallTexts().Text);
}

} // namespace
} // namespace tonvel::sim
