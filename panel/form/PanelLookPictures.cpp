// The skin's pictures as the window loads them. During start-up each file is read and checked once, however
// often its steps show it (the presets shown in turn, a switch's up and down pictures); later loads read
// the file again, so that a skin switch sees the files as they are then.

#include "panel/form/PanelLook.h"

namespace tonvel {

void CPanelLook::HoldStartUpPictures(bool hold) {
    m_HoldingPictures = hold;
    if (!hold) m_StartUpPictures.clear();
}

int32_t CPanelLook::LoadSkinPicture(ui::CImage& image, const std::u16string& path, ui::CUiError& error) {
    if (m_HoldingPictures) {
        const auto known = m_StartUpPictures.find(path);
        if (known != m_StartUpPictures.end()) {
            image.SetPicture(known->second);
            return ui::UiOk;
        }
    }
    ui::CPicture picture;
    const int32_t status = m_Form.App().LoadPicture(path, picture, &error);
    if (status != ui::UiOk) return status;
    if (m_HoldingPictures) m_StartUpPictures[path] = picture;
    image.SetPicture(picture);
    return ui::UiOk;
}

} // namespace tonvel
