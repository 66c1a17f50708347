#include "ui/win32/tests/Gallery.h"

#include "ui/core/Region.h"

namespace tonvel::ui::gallery {

const std::vector<uint8_t>& AlphaPng() {
    static const std::vector<uint8_t> bytes = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
        0x52, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x10, 0x08, 0x06, 0x00, 0x00, 0x00, 0x1F,
        0xF3, 0xFF, 0x61, 0x00, 0x00, 0x00, 0x1D, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0xF8,
        0xCF, 0xC0, 0xF0, 0x1F, 0x1F, 0x06, 0xC2, 0x06, 0x02, 0x78, 0xD4, 0x80, 0x51, 0x03, 0x46,
        0x0D, 0x18, 0x1E, 0x06, 0x00, 0x00, 0x05, 0x31, 0xBE, 0x90, 0x99, 0xAB, 0xAF, 0xF7, 0x00,
        0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    return bytes;
}

bool BuildGallery(CApplication& app, GALLERY& g) {
    g.form = std::make_unique<CForm>(app);
    CForm& form = *g.form;
    form.SetBorder(BorderStyle::None);
    form.SetCaption(u"Gallery");
    form.SetBackColour(Background);
    form.SetBounds(100, 80, 480, 360);
    form.SetRegionData(BuildRegionData({{0, 0, Notch.left, Notch.bottom}, {0, Notch.bottom, 480, 360}}));

    PICTURE_INFO info;
    std::shared_ptr<void> native;
    if (app.Backend().DecodePicture(AlphaPng(), PictureFormat::Png, info, native) != UiOk) return false;
    CPicture picture;
    picture.Assign(info, AlphaPng(), native, u"alpha.png");
    g.image = form.Add<CImage>(u"Image");
    g.image->SetBounds(20, 20, 32, 32);
    g.image->SetStretch(true);
    g.image->SetPicture(picture);

    g.label = form.Add<CLabel>(u"Title");
    g.label->SetTransparent(true);
    UI_FONT font;
    font.name = u"Tahoma";
    font.height = -28;
    font.bold = true;
    font.colour = LabelColour;
    g.label->SetFont(font);
    g.label->SetCaption(u"Tonvel");
    g.label->SetLeft(80);
    g.label->SetTop(20);

    g.panel = form.Add<CPanel>(u"Panel");
    g.panel->SetBounds(20, 80, 200, 100);
    g.panel->SetBackColour(PanelColour);
    g.button = g.panel->Add<CButton>(u"Button");
    g.button->SetBounds(10, 10, 100, 26);
    g.button->SetCaption(u"Button");
    g.radio1 = g.panel->Add<CRadioButton>(u"Radio1");
    g.radio1->SetBounds(10, 44, 80, 20);
    g.radio1->SetCaption(u"One");
    g.radio1->SetChecked(true);
    g.radio2 = g.panel->Add<CRadioButton>(u"Radio2");
    g.radio2->SetBounds(10, 68, 80, 20);
    g.radio2->SetCaption(u"Two");

    g.pages = form.Add<CPageControl>(u"Pages");
    g.pages->SetBounds(240, 80, 220, 120);
    g.pages->AddPage(u"Page1", u"One")->SetBackColour(HiddenPageColour);
    g.pages->AddPage(u"Page2", u"Two")->SetBackColour(ActivePageColour);
    g.pages->SetActivePageIndex(1);

    g.combo = form.Add<CComboBox>(u"Combo");
    g.combo->SetBounds(20, 200, 160, 24);
    g.combo->AddItem(u"Stereo");
    g.combo->AddItem(u"5.1");
    g.combo->AddItem(u"7.1");
    g.combo->SetItemIndex(2);

    g.folders = form.Add<CFolderList>(u"Folders");
    g.folders->SetBounds(20, 240, 200, 100);
    g.folders->SetProvider([](const std::u16string&, std::vector<std::u16string>& names) {
        names = {u"Skin", u"Language"};
        return 0;
    });
    g.folders->SetDirectory(u"C:\\Tonvel");

    g.progress = form.Add<CProgressBar>(u"Progress");
    g.progress->SetBounds(240, 220, 220, 20);
    g.progress->SetPosition(60);

    g.tray = form.Add<CTrayIcon>(u"Tray");
    g.tray->SetHint(u"Tonvel gallery");
    g.tray->PopupMenu().Add(u"Open", u"Open");
    g.tray->PopupMenu().Add(u"Exit", u"Exit");
    g.tray->SetVisible(true);
    return true;
}

} // namespace tonvel::ui::gallery
