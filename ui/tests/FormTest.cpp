// Forms and the other components: placement, client size, regions, pages, radio groups, lists, folder
// lists, progress, tray and menus, dialogs, auto-sized labels.

#include "ui/tests/UiTestSupport.h"

#include <gtest/gtest.h>

namespace tonvel::ui::test {
namespace {

TEST(Forms, CentredPlacementAndClientSize) {
    CHeadlessBackend backend;
    CApplication app(backend);
    CForm wizard(app);
    wizard.SetBorder(BorderStyle::Dialog);
    wizard.SetClientSize(430, 153);
    wizard.SetPosition(FormPosition::ScreenCenter);
    EXPECT_EQ(wizard.Width(), 430 + 6);
    EXPECT_EQ(wizard.Height(), 153 + 25);
    wizard.Show();
    EXPECT_EQ(wizard.Left(), (1280 - 436) / 2);
    EXPECT_EQ(wizard.Top(), (1024 - 178) / 2);
    EXPECT_EQ(wizard.ClientOrigin(), (UI_POINT{wizard.Left() + 3, wizard.Top() + 22}));
    CForm about(app);
    about.SetBorder(BorderStyle::None);
    about.SetClientSize(100, 50);
    about.SetPosition(FormPosition::MainFormCenter);
    about.Show();
    EXPECT_EQ(about.Left(), wizard.Left() + (436 - 100) / 2);
    EXPECT_EQ(app.MainForm(), &wizard);
}

TEST(Forms, ShowFiresShowThenActivate) {
    UiFixture t;
    CForm second(t.app);
    std::vector<std::string> log;
    second.OnShow = [&](CComponent&) { log.push_back("show"); };
    second.OnActivate = [&](CComponent&) { log.push_back("activate"); };
    second.Show();
    second.Show();
    EXPECT_EQ(log, (std::vector<std::string>{"show", "activate", "activate"}));
}

TEST(Forms, RegionDataValidAndInvalid) {
    UiFixture t;
    std::vector<uint8_t> bytes = BuildRegionData({{0, 0, 10, 10}, {20, 0, 30, 10}});
    ASSERT_EQ(bytes.size(), 32u + 32u);
    EXPECT_TRUE(t.form.SetRegionData(bytes));
    ASSERT_TRUE(t.form.Region().has_value());
    EXPECT_EQ(t.form.Region()->bounds, (UI_RECT{0, 0, 30, 10}));
    EXPECT_TRUE(t.form.ContainsWindowPoint({5, 5}));
    EXPECT_FALSE(t.form.ContainsWindowPoint({15, 5}));
    EXPECT_EQ(t.backend.RegionBytes(t.form), bytes);

    struct CASE {
        const char* what;
        size_t cut;
        size_t patchAt;
        uint8_t value;
    } bad[] = {
        {"too short", 20, 0, 0}, {"rectangles cut", 50, 0, 0}, {"header size", 0, 0, 40}, {"type", 0, 4, 2}};
    for (const CASE& c : bad) {
        std::vector<uint8_t> b = bytes;
        if (c.cut)
            b.resize(c.cut);
        else
            b[c.patchAt] = c.value;
        EXPECT_FALSE(t.form.SetRegionData(b)) << c.what;
        EXPECT_FALSE(t.form.Region().has_value()) << c.what; // rectangular again
        EXPECT_TRUE(t.form.ContainsWindowPoint({15, 5}));
    }
}

TEST(Components, PagesShowOnlyTheActiveOne) {
    UiFixture t;
    CPageControl* book = t.form.Add<CPageControl>(u"Book");
    book->SetBounds(0, 0, 365, 292);
    int changes = 0;
    book->OnChange = [&](CComponent&) { ++changes; };
    CPage* pages[3] = {book->AddPage(u"EQ", u"EQ"), book->AddPage(u"3D", u"3D"),
                       book->AddPage(u"Mic", u"Mic")};
    EXPECT_EQ(book->ActivePageIndex(), 0);
    EXPECT_EQ(pages[2]->Width(), 365);
    book->SetActivePageIndex(2);
    book->SetActivePageIndex(7);
    EXPECT_EQ(book->ActivePage(), pages[2]);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(pages[0]->Visible());
    EXPECT_TRUE(pages[2]->Visible());
    book->SetBounds(1, 2, 100, 50);
    EXPECT_EQ(pages[1]->BoundsRect(), (UI_RECT{0, 0, 100, 50}));
}

TEST(Components, RadioButtonsOfOneParentExcludeEachOther) {
    UiFixture t;
    CRadioButton* yes = t.form.Add<CRadioButton>(u"Yes");
    CRadioButton* no = t.form.Add<CRadioButton>(u"No");
    CPanel* other = t.form.Add<CPanel>(u"Other");
    CRadioButton* elsewhere = other->Add<CRadioButton>(u"Elsewhere");
    no->SetChecked(true);
    elsewhere->SetChecked(true);
    EXPECT_TRUE(t.backend.ClickButton(*yes));
    EXPECT_TRUE(yes->Checked());
    EXPECT_FALSE(no->Checked());
    EXPECT_TRUE(elsewhere->Checked());
}

TEST(Components, ButtonsClickOnlyWhenShownAndEnabled) {
    UiFixture t;
    CButton* next = t.form.Add<CButton>(u"Next");
    int clicks = 0;
    next->OnClick = [&](CComponent&) { ++clicks; };
    EXPECT_TRUE(t.backend.ClickButton(*next));
    next->SetEnabled(false);
    EXPECT_FALSE(t.backend.ClickButton(*next));
    next->SetEnabled(true);
    next->SetVisible(false);
    EXPECT_FALSE(t.backend.ClickButton(*next));
    EXPECT_EQ(clicks, 1);
}

TEST(Components, ComboSelection) {
    UiFixture t;
    CComboBox* combo = t.form.Add<CComboBox>(u"ComboBox");
    int changes = 0;
    combo->OnChange = [&](CComponent&) { ++changes; };
    combo->AddItem(u"English");
    combo->AddItem(u"Deutsch");
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(1);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(t.backend.SelectItem(*combo, 0));
    EXPECT_EQ(combo->Text(), u"English");
    EXPECT_FALSE(t.backend.SelectItem(*combo, 2));
    EXPECT_EQ(changes, 1);
    combo->ClearItems();
    EXPECT_EQ(combo->Text(), u"");
}

TEST(Components, FolderListSortsAndListsThePath) {
    UiFixture t;
    CFolderList* list = t.form.Add<CFolderList>(u"DirectoryListBox");
    list->SetProvider([](const std::u16string& folder, std::vector<std::u16string>& names) {
        EXPECT_EQ(folder, u"C:\\Setup\\Language");
        names = {u"english", u"..", u"Deutsch", u"."};
        return 0;
    });
    EXPECT_EQ(list->SetDirectory(u"C:\\Setup\\Language\\"), 0);
    EXPECT_EQ(list->SubFolders(), (std::vector<std::u16string>{u"Deutsch", u"english"}));
    EXPECT_EQ(list->Entries(), (std::vector<std::u16string>{u"C:\\", u"C:\\Setup", u"C:\\Setup\\Language",
                                                            u"C:\\Setup\\Language\\Deutsch",
                                                            u"C:\\Setup\\Language\\english"}));
    list->SetProvider([](const std::u16string&, std::vector<std::u16string>&) { return 3; });
    EXPECT_EQ(list->SetDirectory(u"C:\\Nowhere"), 3);
    EXPECT_TRUE(list->SubFolders().empty());
}

TEST(Components, ProgressIsLimitedToItsRange) {
    UiFixture t;
    CProgressBar* bar = t.form.Add<CProgressBar>(u"ProgressBar");
    bar->SetStep(1);
    struct CASE {
        int32_t set, expected;
    } cases[] = {{50, 50}, {-5, 0}, {101, 100}, {100, 100}};
    for (const CASE& c : cases) {
        bar->SetPosition(c.set);
        EXPECT_EQ(bar->Position(), c.expected);
    }
    bar->SetPosition(10);
    bar->StepIt();
    EXPECT_EQ(bar->Position(), 11);
}

TEST(Components, TrayMenuWithSubMenusAndChecks) {
    UiFixture t;
    CTrayIcon* tray = t.form.Add<CTrayIcon>(u"CTrayIcon");
    tray->SetHint(u"Tonvel");
    CMenuItem* skins = tray->PopupMenu().Add(u"Skin", u"SkinMenu");
    CMenuItem* close = tray->PopupMenu().Add(u"Close", u"CloseMenu");
    std::u16string clicked;
    for (const char16_t* name : {u"Blue", u"Black"}) {
        CMenuItem* item = skins->Add(name);
        item->OnClick = [&](CMenuItem& i) {
            for (int32_t k = 0; k < i.Parent()->Count(); ++k)
                i.Parent()->Item(k)->SetChecked(false);
            i.SetChecked(true);
            clicked = i.Caption();
        };
    }
    EXPECT_EQ(tray->PopupMenu().Find(u"SkinMenu"), skins);
    EXPECT_TRUE(t.backend.ClickMenuItem(*skins->Item(1)));
    EXPECT_EQ(clicked, u"Black");
    EXPECT_TRUE(skins->Item(1)->Checked());
    skins->SetEnabled(false);
    EXPECT_FALSE(t.backend.ClickMenuItem(*skins->Item(0)));
    EXPECT_EQ(close->Count(), 0);

    // Minimise to the tray, then restore by a double click.
    tray->MinimizeToTray();
    EXPECT_TRUE(t.backend.TrayShown(*tray));
    EXPECT_FALSE(t.form.Visible());
    EXPECT_TRUE(t.app.Minimized());
    t.backend.TrayDoubleClick(*tray);
    EXPECT_TRUE(t.form.Visible());
    EXPECT_FALSE(t.app.Minimized());
}

TEST(Components, DialogsAnswerAsScripted) {
    UiFixture t;
    CSaveDialog* save = t.form.Add<CSaveDialog>(u"SaveDialog");
    save->FileName = u"AudioSetting.ini";
    save->Filter = u"INI (*.ini)|*.ini";
    EXPECT_FALSE(save->Execute());
    t.backend.FileDialogAnswer = [](CFileDialog& dialog, bool isSave) {
        EXPECT_TRUE(isSave);
        dialog.FileName = u"C:\\x\\" + dialog.FileName;
        return true;
    };
    EXPECT_TRUE(save->Execute());
    EXPECT_EQ(save->FileName, u"C:\\x\\AudioSetting.ini");
}

TEST(Components, AutoSizedLabelFollowsCaptionAndFont) {
    UiFixture t;
    CLabel* label = t.form.Add<CLabel>(u"PageEQLabel");
    label->SetFontHeight(12);
    label->SetCaption(u"EQ");
    const int32_t two = label->Width();
    label->SetCaption(u"EQEQ");
    EXPECT_EQ(label->Width(), 2 * two);
    label->SetFontHeight(24);
    EXPECT_EQ(label->Width(), 4 * two);
    label->SetAutoSize(false);
    label->SetCaption(u"E");
    EXPECT_EQ(label->Width(), 4 * two);
    label->SetWordWrap(true);
    label->SetAutoSize(true);
    label->SetWidth(300);
    label->SetCaption(u"A long text");
    EXPECT_EQ(label->Width(), 300);
}

} // namespace
} // namespace tonvel::ui::test
