// The exit's save with the longest application-data folder a profile place allows: the file and its
// temporary neighbour both fit a Windows path, so the settings are saved and no error is shown.

#include "features/ProfileFile.h"
#include "features/ProfilePlaces.h"
#include "features/tests/FeaturePanel.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

TEST(ProfileLongPath, TheExitSavesWithTheLongestAppDataThatFits) {
    const std::u16string tail = u"\\Tonvel\\LastProfile.ini";
    const std::u16string root = u"C:\\Users\\";
    const std::u16string appData = root + std::u16string(ProfilePathMax - tail.size() - root.size(), u'a');
    Shell t;
    t.sim.Environment().SetVariable(u"APPDATA", appData);
    t.sim.Files().CreateFolders(appData);
    ASSERT_TRUE(t.Start().Ok());
    const std::u16string file = appData + tail;
    ASSERT_EQ(file.size(), ProfilePathMax);
    EXPECT_LE(ProfileTemporaryPath(file).size(), ProfilePathMax);
    t.backend.ClearMessageBoxes();
    t.form->Destroy();
    EXPECT_TRUE(t.backend.MessageBoxes().empty()) << "no \"Cannot create file\"";
    EXPECT_TRUE(t.sim.Files().Exists(file));
    EXPECT_FALSE(t.sim.Files().Exists(ProfileTemporaryPath(file)));
    std::u16string value;
    t.sim.Profile().GetString(u"LED", u"LEDON", u"", value, 256, file);
    EXPECT_EQ(value, u"1");
}

// A Windows path holds at most 259 characters: the profile functions refuse a longer one.
TEST(ProfileLongPath, AProfileFileBeyondAWindowsPathIsRefused) {
    sim::CSimWindows sim;
    const std::u16string folder = u"C:\\" + std::u16string(250, u'b');
    sim.Files().CreateFolders(folder);
    EXPECT_TRUE(sim.Profile().WriteString(u"S", u"K", u"V", folder + u"\\x.ini"));   // 259
    EXPECT_FALSE(sim.Profile().WriteString(u"S", u"K", u"V", folder + u"\\xy.ini")); // 260
}

} // namespace
} // namespace tonvel
