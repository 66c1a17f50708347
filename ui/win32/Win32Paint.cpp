// Painting a form from its component tree into a memory bitmap, then onto the window in one copy: the
// form's colour, then each container's graphic controls (images, labels, bevels) below its painted
// windowed ones (panels, page containers, pages), in z-order, each clipped to its container. The system's
// child controls paint themselves above.

#include "ui/win32/Win32Backend.h"

#include "ui/core/Application.h"
#include "ui/win32/Win32Support.h"

#include <cstdlib>

namespace tonvel::ui {
namespace {

using namespace win32ui;

HFONT CreateUiFont(const UI_FONT& font, int32_t dpi) {
    const int height = font.height != 0 ? font.height : -MulDiv(font.size, dpi, 72);
    return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       Wide(font.name));
}

void FillColour(HDC dc, const RECT& rect, Colour colour) {
    HBRUSH brush = CreateSolidBrush(ToColorRef(colour));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void PaintImage(HDC dc, const CImage& image, const RECT& rect) {
    Gdiplus::Image* picture = PictureImage(image.Picture());
    if (!picture) return;
    Gdiplus::Graphics graphics(dc);
    graphics.SetClip(Gdiplus::Rect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    const int width = image.Stretch() ? rect.right - rect.left : image.Picture().Width();
    const int height = image.Stretch() ? rect.bottom - rect.top : image.Picture().Height();
    const Gdiplus::Rect target(rect.left, rect.top, width, height);
    // A transparent bitmap leaves out the colour of its bottom-left pixel (pictures with alpha blend anyway).
    if (image.Transparent() && image.Picture().Format() == PictureFormat::Bitmap &&
        picture->GetType() == Gdiplus::ImageTypeBitmap) {
        Gdiplus::Color key;
        static_cast<Gdiplus::Bitmap*>(picture)->GetPixel(0, static_cast<INT>(picture->GetHeight()) - 1, &key);
        Gdiplus::ImageAttributes attributes;
        attributes.SetColorKey(key, key);
        graphics.DrawImage(picture, target, 0, 0, static_cast<INT>(picture->GetWidth()),
                           static_cast<INT>(picture->GetHeight()), Gdiplus::UnitPixel, &attributes);
        return;
    }
    graphics.DrawImage(picture, target);
}

void PaintLabel(HDC dc, const CLabel& label, const RECT& rect, int32_t dpi) {
    if (!label.Transparent()) FillColour(dc, rect, label.BackColour());
    HFONT font = CreateUiFont(label.Font(), dpi);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(label.Font().colour));
    UINT format = DT_NOPREFIX | DT_TOP;
    format |= label.Alignment() == TextAlign::Right    ? DT_RIGHT
              : label.Alignment() == TextAlign::Center ? DT_CENTER
                                                       : DT_LEFT;
    format |= label.WordWrap() ? DT_WORDBREAK : DT_SINGLELINE;
    RECT text = rect;
    DrawTextW(dc, Wide(label.Caption()), -1, &text, format);
    SelectObject(dc, old);
    DeleteObject(font);
}

void PaintBevel(HDC dc, const CBevel& bevel, const RECT& rect) {
    RECT edge = rect;
    DrawEdge(dc, &edge, BDR_SUNKENOUTER, bevel.Shape() == BevelShape::RightLine ? BF_RIGHT : BF_RECT);
}

void PaintChildren(HDC dc, const CComponent& parent, POINT origin, int32_t dpi);

void PaintComponent(HDC dc, const CComponent& c, POINT origin, int32_t dpi) {
    if (!c.Visible()) return;
    const RECT rect{origin.x + c.Left(), origin.y + c.Top(), origin.x + c.Left() + c.Width(),
                    origin.y + c.Top() + c.Height()};
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    switch (c.Kind()) {
    case ComponentKind::Image:
        PaintImage(dc, static_cast<const CImage&>(c), rect);
        break;
    case ComponentKind::Label:
        PaintLabel(dc, static_cast<const CLabel&>(c), rect, dpi);
        break;
    case ComponentKind::Bevel:
        PaintBevel(dc, static_cast<const CBevel&>(c), rect);
        break;
    case ComponentKind::Panel:
    case ComponentKind::Page:
        FillColour(dc, rect, static_cast<const CPanel&>(c).BackColour());
        PaintChildren(dc, c, {rect.left, rect.top}, dpi);
        break;
    case ComponentKind::PageControl:
        PaintChildren(dc, c, {rect.left, rect.top}, dpi);
        break;
    default: // the system's controls paint themselves
        break;
    }
    RestoreDC(dc, saved);
}

void PaintChildren(HDC dc, const CComponent& parent, POINT origin, int32_t dpi) {
    for (const auto& child : parent.Children())
        if (child->IsControl() && !child->IsWindowed()) PaintComponent(dc, *child, origin, dpi);
    for (const auto& child : parent.Children())
        if (child->IsWindowed()) PaintComponent(dc, *child, origin, dpi);
}

} // namespace

void CWin32Backend::Paint(CForm& form, HWND hwnd) {
    PAINTSTRUCT ps;
    HDC target = BeginPaint(hwnd, &ps);
    if (!target) return;
    RECT client;
    GetClientRect(hwnd, &client);
    const int width = client.right > 0 ? client.right : 1, height = client.bottom > 0 ? client.bottom : 1;
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    FillColour(memory, client, form.BackColour());
    PaintChildren(memory, form, {0, 0}, ScreenDpi());
    BitBlt(target, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(hwnd, &ps);
}

UI_SIZE CWin32Backend::MeasureText(const UI_FONT& font, const std::u16string& text) {
    HDC screen = GetDC(nullptr);
    if (!screen) return {};
    HFONT handle = CreateUiFont(font, ScreenDpi());
    HGDIOBJ old = SelectObject(screen, handle);
    SIZE size{0, 0};
    GetTextExtentPoint32W(screen, Wide(text), static_cast<int>(text.size()), &size);
    if (text.empty()) {
        TEXTMETRICW metrics;
        if (GetTextMetricsW(screen, &metrics)) size.cy = metrics.tmHeight;
    }
    SelectObject(screen, old);
    DeleteObject(handle);
    ReleaseDC(nullptr, screen);
    return {size.cx, size.cy};
}

} // namespace tonvel::ui
