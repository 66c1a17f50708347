// The main window's pictures: start-up reads each picture file once, however often its steps show one; a
// skin switch reads the new skin's files as they are then.

#include "panel/form/tests/ShellFixture.h"
#include "ui/core/Picture.h"

#include <gtest/gtest.h>

#include <map>

namespace tonvel {
namespace {

// The simulated files, with a count of the reads of each picture file.
class CCountingFiles : public IFileSystem {
public:
    explicit CCountingFiles(IFileSystem& files) : m_Files(files) {}
    std::map<std::u16string, int32_t> PictureReads;

    uint32_t Attributes(const std::u16string& path) override { return m_Files.Attributes(path); }
    int32_t CreateFolder(const std::u16string& path) override { return m_Files.CreateFolder(path); }
    int32_t RemoveFolder(const std::u16string& path) override { return m_Files.RemoveFolder(path); }
    int32_t ReadAll(const std::u16string& path, std::vector<uint8_t>& bytes) override {
        if (ui::PictureFormatFromPath(path) != ui::PictureFormat::None) ++PictureReads[path];
        return m_Files.ReadAll(path, bytes);
    }
    int32_t WriteAll(const std::u16string& path, const void* data, size_t size) override {
        return m_Files.WriteAll(path, data, size);
    }
    int32_t Copy(const std::u16string& from, const std::u16string& to, bool failIfExists) override {
        return m_Files.Copy(from, to, failIfExists);
    }
    int32_t Delete(const std::u16string& path) override { return m_Files.Delete(path); }
    int32_t Move(const std::u16string& from, const std::u16string& to, uint32_t flags) override {
        return m_Files.Move(from, to, flags);
    }
    int32_t ListFolders(const std::u16string& folder, std::vector<std::u16string>& names) override {
        return m_Files.ListFolders(folder, names);
    }
    int32_t ListFiles(const std::u16string& folder, std::vector<std::u16string>& names) override {
        return m_Files.ListFiles(folder, names);
    }
    std::u16string ModuleFileName() override { return m_Files.ModuleFileName(); }

private:
    IFileSystem& m_Files;
};

struct PictureShell : Shell {
    CCountingFiles counting{sim.Files()};
    ~PictureShell() {
        // The window's shutdown still reads pictures: it goes before the counting files.
        form.reset();
        about.reset();
        app.reset();
    }
    void StartCounting() {
        app = std::make_unique<ui::CApplication>(backend, &counting);
        form = std::make_unique<TAudioMainForm>(*app, sim.platform());
        about = std::make_unique<TAboutForm>(*app);
        form->SetAbout(about.get());
        ASSERT_TRUE(form->StartUp().Ok());
        form->FormCreate();
    }
    int32_t MostReads() {
        int32_t most = 0;
        for (const auto& [path, reads] : counting.PictureReads)
            most = std::max(most, reads);
        return most;
    }
};

TEST(ShellPictures, StartUpReadsEachPictureFileOnce) {
    PictureShell t;
    t.StartCounting();
    EXPECT_GT(t.counting.PictureReads.size(), 50u);
    EXPECT_EQ(t.MostReads(), 1);
    EXPECT_EQ(t.app->PicturesLoaded(), t.counting.PictureReads.size());
}

TEST(ShellPictures, ASkinSwitchReadsTheNewSkinAsItIsThen) {
    PictureShell t;
    t.StartCounting();
    t.ShowPanel();
    t.counting.PictureReads.clear();
    ASSERT_TRUE(t.form->SkinMenuClick(*t.form->SkinMenu().Item(0)).Ok());
    EXPECT_GT(t.counting.PictureReads.size(), 50u);
    // A damaged picture of the first skin is found when it is chosen again, not hidden by start-up's reads.
    t.Corrupt(SimProgramFolder + u"Skin\\Graphite\\Back_EQ.png", "not a picture");
    EXPECT_FALSE(t.form->SkinMenuClick(*t.form->SkinMenu().Item(1)).Ok());
    EXPECT_EQ(t.backend.MessageBoxes().size(), 1u);
}

} // namespace
} // namespace tonvel
