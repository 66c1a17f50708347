// Pictures through GDI+: bitmaps, PNGs (with their alpha) and icons as GDI+ bitmaps, EMF and WMF as GDI+
// metafiles. The bytes must be what the extension says, as the framework's picture classes expect.
//
// A bitmap, PNG or icon is checked and measured from its headers when it is loaded and decoded only when it
// is first drawn: a window keeps decoded only the pictures it has shown (none while it starts in the tray,
// those of the shown page otherwise). Metafiles are made at once.

#include "ui/core/IconDirectory.h"
#include "ui/core/PictureHeader.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Support.h"

#include <cstring>

namespace tonvel::ui {
namespace win32ui {
namespace {

bool g_gdiplusRunning = false;
uint32_t g_picturesDecoded = 0;
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

bool DecodedLater(PictureFormat format) {
    return format == PictureFormat::Bitmap || format == PictureFormat::Png || format == PictureFormat::Icon;
}

// The GDI+ image over a stream of the bytes; false when GDI+ rejects them.
bool MakeImage(NATIVE_PICTURE& picture, const std::vector<uint8_t>& bytes, PictureFormat format) {
    picture.stream = StreamOver(bytes);
    if (!picture.stream) return false;
    if (format == PictureFormat::Emf || format == PictureFormat::Wmf)
        picture.image = new Gdiplus::Metafile(picture.stream);
    else
        picture.image = new Gdiplus::Bitmap(picture.stream);
    ++g_picturesDecoded;
    return picture.image->GetLastStatus() == Gdiplus::Ok && picture.image->GetWidth() != 0 &&
           picture.image->GetHeight() != 0;
}

// A picture whose decoding waited for its first use: decoded now, once (a failure is kept: nothing is drawn).
void DecodeNow(NATIVE_PICTURE& picture, const CPicture& owner) {
    if (picture.image || picture.failed || !g_gdiplusRunning) return;
    if (!MakeImage(picture, owner.Bytes(), owner.Format())) {
        delete picture.image;
        picture.image = nullptr;
        picture.failed = true;
    }
}

} // namespace

void ReleaseDecoded(const CPicture& picture) {
    auto* native = static_cast<NATIVE_PICTURE*>(picture.Native().get());
    if (!native || !native->image || !DecodedLater(picture.Format()) || !g_gdiplusRunning) return;
    delete native->image;
    native->image = nullptr;
    if (native->stream) native->stream->Release();
    native->stream = nullptr;
}

uint32_t PicturesDecoded() {
    return g_picturesDecoded;
}

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
    if (!native) return nullptr;
    DecodeNow(*native, picture);
    return native->image;
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
    if (!native) return nullptr;
    if (auto it = native->icons.find(size); it != native->icons.end()) return it->second;
    HICON icon = nullptr;
    // An icon file's own image for that size, without GDI+; any other picture through its GDI+ bitmap.
    if (picture.Format() == PictureFormat::Icon) icon = IconFromIconFile(picture.Bytes(), size);
    Gdiplus::Image* image = icon ? nullptr : PictureImage(picture);
    if (image && image->GetType() == Gdiplus::ImageTypeBitmap)
        if (static_cast<Gdiplus::Bitmap*>(image)->GetHICON(&icon) != Gdiplus::Ok) icon = nullptr;
    native->icons[size] = icon;
    return icon;
}

} // namespace win32ui

int32_t CWin32Backend::DecodePicture(const std::vector<uint8_t>& bytes, PictureFormat format,
                                     PICTURE_INFO& info, std::shared_ptr<void>& native) {
    using namespace win32ui;
    if (!SignatureMatches(bytes, format) || bytes.size() > 0x7FFFFFFF) return UiPictureError;
    auto picture = std::make_shared<NATIVE_PICTURE>();
    if (DecodedLater(format)) {
        PICTURE_INFO header;
        if (!ReadPictureHeader(bytes, format, header)) return UiPictureError;
        info = header;
        native = std::move(picture);
        return UiOk;
    }
    if (!MakeImage(*picture, bytes, format)) return UiPictureError;
    info.format = format;
    info.width = static_cast<int32_t>(picture->image->GetWidth());
    info.height = static_cast<int32_t>(picture->image->GetHeight());
    info.hasAlpha = Gdiplus::IsAlphaPixelFormat(picture->image->GetPixelFormat()) != FALSE;
    native = std::move(picture);
    return UiOk;
}

} // namespace tonvel::ui
