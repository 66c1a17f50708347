// The skin side of CPanelLook: the Skin menu, loading and applying a skin, the window outline and
// the skin switch.

#include "panel/form/PanelLook.h"
#include "panel/form/SortedFolders.h"
#include "platform/api/FileSystem.h"
#include "skin/RegionFile.h"

#include <algorithm>

namespace tonvel {

std::u16string CPanelLook::SkinRoot() const {
    return m_Places.ProgramFolder + m_Places.SkinFolderName + u"\\";
}

std::u16string CPanelLook::SkinFolder() const {
    return SkinFolderPath(m_Places.ProgramFolder, m_Places.SkinFolderName, m_SkinName);
}

int32_t CPanelLook::ListSkins() {
    const std::vector<std::u16string> names = SortedFolders(*m_Platform.files, SkinRoot());
    m_SkinMenu.Clear();
    for (const std::u16string& name : names) {
        ui::CMenuItem* item = m_SkinMenu.Add(name);
        item->OnClick = [this](ui::CMenuItem& clicked) { SkinMenuClick(clicked); };
    }
    const int32_t index = ChosenFolder(names, m_SkinName, m_DefaultSkin);
    if (index >= 0) {
        m_SkinName = names[static_cast<size_t>(index)].substr(0, SkinNameMax);
        CheckMenuItem(m_SkinMenu, index);
    }
    return m_SkinMenu.Count();
}

int32_t CPanelLook::ChosenFolder(const std::vector<std::u16string>& folders, const std::u16string& remembered,
                                 const std::u16string& programDefault) {
    if (folders.empty()) return -1;
    int32_t index = FolderIndex(folders, remembered);
    if (index < 0) index = FolderIndex(folders, programDefault);
    return index < 0 ? 0 : index;
}

void CPanelLook::CheckMenuItem(ui::CMenuItem& menu, int32_t index) {
    for (int32_t i = 0; i < menu.Count(); ++i)
        menu.Item(i)->SetChecked(i == index);
}

PANEL_STATUS CPanelLook::LoadSkin() {
    const PANEL_STATUS status =
        m_Skin.Load(MakeProfileReader(*m_Platform.profile, SkinFolder() + u"SkinSetting.ini"));
    // What was read before a failure is in force, as the reading goes key by key.
    const SKIN_NUMBERS& nb = m_Skin.m_BackNotebook;
    if (nb.Has[0] && nb.Has[1] && nb.Has[2] && nb.Has[3])
        m_Parts.Notebook->SetBounds(nb.Value[0], nb.Value[1], nb.Value[2], nb.Value[3]);
    const SKIN_NUMBERS* pages[PageCount] = {&m_Skin.m_EqPanel, nullptr, &m_Skin.m_EffectPanel,
                                            &m_Skin.m_MicPanel, &m_Skin.m_VirtualPanel};
    for (int32_t page = 0; page < PageCount; ++page) {
        const SKIN_NUMBERS* size = pages[page];
        if (!size) continue;
        ui::CPanel* panel = m_Parts.Panels[page];
        panel->SetBounds(panel->Left(), panel->Top(), size->Has[0] ? size->Value[0] : panel->Width(),
                         size->Has[1] ? size->Value[1] : panel->Height());
    }
    return status;
}

PANEL_STATUS CPanelLook::ApplyImageEntry(const _SKIN_IMAGE_INFO& entry, ui::CImage& image,
                                         const std::u16string& subFolder, bool zeroWidth) {
    if (!entry.FileName.empty()) {
        image.SetVisible(true);
        ui::CUiError error;
        if (LoadSkinPicture(image, SkinPicturePath(SkinFolder(), subFolder, entry), error) != ui::UiOk) {
            PANEL_STATUS status;
            status.Code = PanelFileError;
            status.Message = error.message;
            return status;
        }
    } else {
        image.SetVisible(false);
    }
    if (entry.HasLeft) image.SetLeft(entry.Left);
    if (entry.HasTop) image.SetTop(entry.Top);
    image.SetAutoSize(false);
    const bool hasWidth = entry.HasWidth || zeroWidth;
    if (hasWidth) image.SetWidth(zeroWidth ? 0 : entry.Width);
    if (entry.HasHeight) image.SetHeight(entry.Height);
    if (!hasWidth && !entry.HasHeight) image.SetAutoSize(true);
    return PANEL_STATUS{};
}

PANEL_STATUS CPanelLook::ApplySkin() {
    for (const SKIN_PLACEMENT& placement : SkinApplicationPlan(m_Window.Features().State())) {
        ui::CImage* image = Image(placement.Component);
        if (!image) continue;
        const PANEL_STATUS status =
            ApplyImageEntry(m_Skin.Image(placement.Image), *image, u"", placement.ZeroWidth);
        if (!status.Ok()) return status;
    }
    return ApplyWindowOutline();
}

PANEL_STATUS CPanelLook::ApplyWindowOutline() {
    const std::u16string path = SkinFolder() + u"MainForm_Frame.rgn";
    std::vector<uint8_t> bytes;
    const int32_t error = m_Platform.files->ReadAll(path, bytes);
    if (error != FileOk) return FileErrorStatus(path, error);
    const REGION_OUTLINE outline = ReadRegionOutline(bytes);
    if (outline.HasSize) m_Form.SetBounds(m_Form.Left(), m_Form.Top(), outline.Width, outline.Height);
    if (outline.HasRegion)
        m_Form.SetRegionData(outline.Data);
    else if (outline.HasSize)
        m_Form.ClearRegion(); // rejected data: no region, the window is rectangular again
    const ui::CPicture& background = m_Parts.Background->Picture();
    if (!background.Empty()) m_Form.SetClientSize(background.Width(), background.Height());
    return PANEL_STATUS{};
}

PANEL_STATUS CPanelLook::ReadLabelOverrides() {
    return m_Language.ReadOverrides(
        MakeProfileReader(*m_Platform.profile, SkinFolder() + u"SkinSetting.ini"));
}

// A skin that fails to load is reported, and the skin in use before is put back and stays the remembered
// one, so that no later switch saves a skin that was never applied.
PANEL_STATUS CPanelLook::SkinMenuClick(ui::CMenuItem& item) {
    const std::u16string previous = m_SkinName;
    m_SkinName = SkinNameFromCaption(item.Caption()).substr(0, SkinNameMax);
    PANEL_STATUS status = LoadSkin();
    if (status.Ok()) status = ApplySkin();
    if (status.Ok()) status = ReadLabelOverrides();
    if (!status.Ok()) {
        ShowPanelError(m_Form.App(), status);
        m_SkinName = previous;
        if (LoadSkin().Ok() && ApplySkin().Ok()) ReadLabelOverrides();
        ApplyAllLabelStyles();
        return status;
    }
    for (int32_t i = 0; i < m_SkinMenu.Count(); ++i)
        m_SkinMenu.Item(i)->SetChecked(m_SkinMenu.Item(i) == &item);
    ApplyAllLabelStyles();
    m_Window.Features().Steps().PlaceEqThumbs();
    m_Window.Features().Steps().PlaceSpeakerIcons(m_Skin.Metrics().SpeakerRatio());
    PersistChoices();
    return status;
}

} // namespace tonvel
