#include "ui/core/Picture.h"

#include "base/text/Utf.h"

namespace tonvel::ui {

PictureFormat PictureFormatFromPath(std::u16string_view path) {
    const size_t dot = path.find_last_of(u'.');
    const size_t slash = path.find_last_of(u"\\/");
    if (dot == std::u16string_view::npos || (slash != std::u16string_view::npos && slash > dot))
        return PictureFormat::None;
    const std::u16string extension = AsciiUpper(path.substr(dot));
    if (extension == u".BMP" || extension == u".DIB") return PictureFormat::Bitmap;
    if (extension == u".PNG") return PictureFormat::Png;
    if (extension == u".ICO") return PictureFormat::Icon;
    if (extension == u".EMF") return PictureFormat::Emf;
    if (extension == u".WMF") return PictureFormat::Wmf;
    return PictureFormat::None;
}

void CPicture::Assign(PICTURE_INFO info, std::vector<uint8_t> bytes, std::shared_ptr<void> native,
                      std::u16string path) {
    m_Info = info;
    m_Bytes = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
    m_Native = std::move(native);
    m_Path = std::move(path);
}

void CPicture::Clear() {
    *this = CPicture();
}

} // namespace tonvel::ui
