// The skin's pictures as the window loads them. During start-up each file is read and checked once, however
// often its steps show it (the presets shown in turn, a switch's up and down pictures); later loads read
// the file again, so that a skin switch sees the files as they are then.

#include "panel/form/AudioMainForm.h"

namespace tonvel {

int32_t TAudioMainForm::LoadSkinPicture(ui::CImage& image, const std::u16string& path, ui::CUiError& error) {
    if (m_StartingUp) {
        const auto known = m_StartUpPictures.find(path);
        if (known != m_StartUpPictures.end()) {
            image.SetPicture(known->second);
            return ui::UiOk;
        }
    }
    ui::CPicture picture;
    const int32_t status = App().LoadPicture(path, picture, &error);
    if (status != ui::UiOk) return status;
    if (m_StartingUp) m_StartUpPictures[path] = picture;
    image.SetPicture(picture);
    return ui::UiOk;
}

} // namespace tonvel
