#pragma once
// A loaded picture: the file's bytes, its kind and size, and the backend's decoded form of it. Copies share
// the decoded data. Load pictures through CApplication::LoadPicture (or CImage::LoadPicture).

#include "ui/core/UiTypes.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tonvel::ui {

enum class PictureFormat { None, Bitmap, Png, Icon, Emf, Wmf };

// The kind of picture a file name stands for, by its extension (".bmp", ".png", ".ico", ".emf", ".wmf",
// any letter case); None for anything else.
PictureFormat PictureFormatFromPath(std::u16string_view path);

struct PICTURE_INFO {
    PictureFormat format = PictureFormat::None;
    int32_t width = 0;
    int32_t height = 0;
    bool hasAlpha = false;
};

class CPicture {
public:
    bool Empty() const { return m_Info.format == PictureFormat::None; }
    const PICTURE_INFO& Info() const { return m_Info; }
    int32_t Width() const { return m_Info.width; }
    int32_t Height() const { return m_Info.height; }
    PictureFormat Format() const { return m_Info.format; }
    const std::vector<uint8_t>& Bytes() const { return *m_Bytes; }
    // What the backend made of the bytes (a GDI+ image on Windows); may be empty.
    const std::shared_ptr<void>& Native() const { return m_Native; }
    // The path it was loaded from (for messages).
    const std::u16string& Path() const { return m_Path; }

    void Assign(PICTURE_INFO info, std::vector<uint8_t> bytes, std::shared_ptr<void> native,
                std::u16string path);
    void Clear();

private:
    PICTURE_INFO m_Info;
    std::shared_ptr<const std::vector<uint8_t>> m_Bytes = std::make_shared<const std::vector<uint8_t>>();
    std::shared_ptr<void> m_Native;
    std::u16string m_Path;
};

} // namespace tonvel::ui
