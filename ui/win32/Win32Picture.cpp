// Pictures through GDI+: bitmaps, PNGs (with their alpha) and icons as GDI+ bitmaps, EMF and WMF as GDI+
// metafiles. The bytes must be what the extension says, as the framework's picture classes expect.

#include "ui/core/IconDirectory.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Support.h"

#include <cstring>

namespace tonvel::ui {
namespace win32ui {
namespace {

bool g_gdiplusRunning = false;
// The version CreateIconFromResourceEx expects of icon image data.
constexpr DWORD IconResourceVersion = 0x00030000;

uint32_t Read32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// The file's signature for its kind.
bool SignatureMatches(const std::vector<uint8_t>& bytes, PictureFormat format) {
    const size_t n = bytes.size();
    const uint8_t* p = bytes.data();
    switch (format) {
    case PictureFormat::Bitmap:
        return n >= 26 && p[0] == 'B' && p[1] == 'M';
    case PictureFormat::Png:
        return n >= 8 && std::memcmp(p, "\x89PNG\r\n\x1a\n", 8) == 0;
    case PictureFormat::Icon:
        return n >= 22 && p[0] == 0 && p[1] == 0 && p[2] == 1 && p[3] == 0 && (p[4] | p[5]) != 0;
    case PictureFormat::Emf:
        return n >= 88 && Read32(p) == 1 && Read32(p + 40) == 0x464D4520; // EMR_HEADER, " EMF"
    case PictureFormat::Wmf:
        return n >= 18 && (Read32(p) == 0x9AC6CDD7 || ((p[0] == 1 || p[0] == 2) && p[1] == 0 && p[2] == 9));
    default:
        return false;
    }
}

IStream* StreamOver(const std::vector<uint8_t>& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory) return nullptr;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(memory, TRUE, &stream) != S_OK) {
        GlobalFree(memory);
        return nullptr;
    }
    return stream;
}

} // namespace

bool GdiplusRunning() {
    return g_gdiplusRunning;
}
void SetGdiplusRunning(bool running) {
    g_gdiplusRunning = running;
}

NATIVE_PICTURE::~NATIVE_PICTURE() {
    for (auto& [size, icon] : icons)
        if (icon) DestroyIcon(icon);
    if (image && g_gdiplusRunning) delete image;
    if (stream) stream->Release();
}

Gdiplus::Image* PictureImage(const CPicture& picture) {
    auto* native = static_cast<NATIVE_PICTURE*>(picture.Native().get());
    return native ? native->image : nullptr;
}

int32_t SmallIconSize() {
    return GetSystemMetrics(SM_CXSMICON);
}

int32_t LargeIconSize() {
    return GetSystemMetrics(SM_CXICON);
}

HICON IconFromIconFile(const std::vector<uint8_t>& bytes, int32_t size) {
    const std::vector<ICON_IMAGE> images = ReadIconDirectory(bytes);
    const int32_t index = PickIconImage(images, size);
    if (index < 0) return nullptr;
    const ICON_IMAGE& image = images[static_cast<size_t>(index)];
    // The directory is checked: the image's bytes lie inside the file and its header holds what it says.
    return CreateIconFromResourceEx(const_cast<PBYTE>(bytes.data() + image.Offset), image.Length, TRUE,
                                    IconResourceVersion, size, size, LR_DEFAULTCOLOR);
}

HICON PictureIcon(const CPicture& picture, int32_t size) {
    auto* native = static_cast<NATIVE_PICTURE*>(picture.Native().get());
    if (!native || !native->image) return nullptr;
    if (auto it = native->icons.find(size); it != native->icons.end()) return it->second;
    HICON icon = nullptr;
    if (picture.Format() == PictureFormat::Icon) icon = IconFromIconFile(picture.Bytes(), size);
    if (!icon && native->image->GetType() == Gdiplus::ImageTypeBitmap)
        if (static_cast<Gdiplus::Bitmap*>(native->image)->GetHICON(&icon) != Gdiplus::Ok) icon = nullptr;
    native->icons[size] = icon;
    return icon;
}

} // namespace win32ui

int32_t CWin32Backend::DecodePicture(const std::vector<uint8_t>& bytes, PictureFormat format,
                                     PICTURE_INFO& info, std::shared_ptr<void>& native) {
    using namespace win32ui;
    if (!SignatureMatches(bytes, format) || bytes.size() > 0x7FFFFFFF) return UiPictureError;
    auto picture = std::make_shared<NATIVE_PICTURE>();
    picture->stream = StreamOver(bytes);
    if (!picture->stream) return UiPictureError;
    if (format == PictureFormat::Emf || format == PictureFormat::Wmf)
        picture->image = new Gdiplus::Metafile(picture->stream);
    else
        picture->image = new Gdiplus::Bitmap(picture->stream);
    if (picture->image->GetLastStatus() != Gdiplus::Ok || picture->image->GetWidth() == 0 ||
        picture->image->GetHeight() == 0)
        return UiPictureError;
    info.format = format;
    info.width = static_cast<int32_t>(picture->image->GetWidth());
    info.height = static_cast<int32_t>(picture->image->GetHeight());
    info.hasAlpha = Gdiplus::IsAlphaPixelFormat(picture->image->GetPixelFormat()) != FALSE;
    native = std::move(picture);
    return UiOk;
}

} // namespace tonvel::ui
