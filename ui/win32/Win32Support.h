#pragma once
// What the Win32 backend's files share: wide-string views of our UTF-16 text, colours, the GDI+ headers and
// the decoded picture kept in a CPicture.

#include "ui/core/Picture.h"
#include "ui/core/UiTypes.h"

#include <objidl.h>
#include <windows.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>
#include <shellapi.h>
// The framework's own PostMessage, MessageBox and RegisterWindowMessage, not the A/W macros.
#undef PostMessage
#undef MessageBox
#undef RegisterWindowMessage

#include <map>
#include <string>
#include <vector>

namespace tonvel::ui::win32ui {

// wchar_t is UTF-16 on Windows: the same code units.
inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline std::u16string FromWide(const wchar_t* text) {
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : std::u16string();
}

// A colour as GDI takes it: system colours (top byte 0xFF) resolved.
inline COLORREF ToColorRef(Colour colour) {
    if ((colour & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(colour & 0xFF));
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

// The decoded form of a picture: the GDI+ image over a stream that holds a copy of the file's bytes (GDI+
// reads from it for as long as the image lives).
struct NATIVE_PICTURE {
    IStream* stream = nullptr;
    Gdiplus::Image* image = nullptr;
    std::map<int32_t, HICON> icons; // by size, made on first use (tray and window icons)
    bool failed = false;                  // the decoding at the first use failed
    ~NATIVE_PICTURE();
};

// The GDI+ image of a picture, decoded at its first use, or none.
Gdiplus::Image* PictureImage(const CPicture& picture);
// Frees the decoded image of a picture that is decoded at its first use (it is decoded again at the next).
void ReleaseDecoded(const CPicture& picture);
// How many pictures GDI+ has decoded in this process.
uint32_t PicturesDecoded();
// An icon of a square size for the picture (owned by the picture), or none: an icon file's own image
// chosen for that size, any other bitmap as GDI+ makes it an icon.
HICON PictureIcon(const CPicture& picture, int32_t size);
// The sizes the system draws icons at: the small one (tray, window caption) and the large one (Alt+Tab).
int32_t SmallIconSize();
int32_t LargeIconSize();
// An icon of that size from the image an icon file's directory offers for it (the caller destroys it), or
// none when the file has no usable image.
HICON IconFromIconFile(const std::vector<uint8_t>& bytes, int32_t size);
// Whether GDI+ is running (images are only freed while it is).
bool GdiplusRunning();
void SetGdiplusRunning(bool running);

} // namespace tonvel::ui::win32ui
