// The icon image the tray and the window take from an icon file, as Windows makes it: the directory read
// by our checked reader, the image of the size asked for (or the next larger one, scaled) made an icon by
// CreateIconFromResourceEx; damaged files give no icon and read nothing outside the file.

#include "ui/core/IconDirectory.h"
#include "ui/tests/IconFiles.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Support.h"

#include <gtest/gtest.h>

namespace tonvel::ui {
namespace {

using namespace testicons;

struct ICON_LOOK {
    int32_t Width = 0;
    int32_t Height = 0;
    uint32_t Centre = 0; // 0x00RRGGBB of the centre pixel
};

ICON_LOOK Look(HICON icon) {
    ICON_LOOK look;
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return look;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    look.Width = bitmap.bmWidth;
    look.Height = bitmap.bmHeight;
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = bitmap.bmWidth;
    request.bmiHeader.biHeight = -bitmap.bmHeight; // top down
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> pixels(static_cast<size_t>(bitmap.bmWidth) * static_cast<size_t>(bitmap.bmHeight));
    HDC screen = GetDC(nullptr);
    if (!pixels.empty() && GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight),
                                     pixels.data(), &request, DIB_RGB_COLORS) != 0)
        look.Centre = pixels[static_cast<size_t>(bitmap.bmHeight / 2) * static_cast<size_t>(bitmap.bmWidth) +
                             static_cast<size_t>(bitmap.bmWidth / 2)] &
                      0x00FFFFFF;
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return look;
}

constexpr uint32_t Blue = 0x0000FF, Green = 0x00FF00, Red = 0xFF0000;
const std::vector<ICON_PLAN> ThreeSizes = {{48, 32, Blue}, {32, 32, Green}, {16, 32, Red}};

struct SIZE_CASE {
    int32_t Size;
    uint32_t Colour; // of the image taken
};

TEST(IconPick, EachSizeTakesItsOwnImage) {
    const std::vector<uint8_t> file = IconFile(ThreeSizes);
    const SIZE_CASE cases[] = {{16, Red}, {32, Green}, {48, Blue}, {20, Green}, {24, Green}, {64, Blue}};
    for (const SIZE_CASE& c : cases) {
        HICON icon = win32ui::IconFromIconFile(file, c.Size);
        ASSERT_NE(icon, nullptr) << c.Size;
        const ICON_LOOK look = Look(icon);
        EXPECT_EQ(look.Width, c.Size);
        EXPECT_EQ(look.Height, c.Size);
        EXPECT_EQ(look.Centre, c.Colour) << c.Size;
        DestroyIcon(icon);
    }
}

TEST(IconPick, DamagedFilesGiveTheUsableImageOrNone) {
    std::vector<uint8_t> cut = IconFile(ThreeSizes);
    cut.resize(cut.size() - 1); // the 16 image, last in the file, one byte short
    std::vector<uint8_t> wrapped = IconFile(ThreeSizes);
    Put32(wrapped, EntryAt(1) + EntryOffset, 0xFFFFFF00);
    std::vector<uint8_t> header = IconFile(ThreeSizes);
    Put32(header, Get32(header, EntryAt(2) + EntryOffset), 0x7FFFFFFF);
    std::vector<uint8_t> count = IconFile(ThreeSizes);
    Put16(count, 4, 0xFFFF);
    std::vector<uint8_t> tiny = IconFile({{16, 32}});
    tiny.resize(DirectoryHeaderSize + DirectoryEntrySize + 20);

    struct CASE {
        const char* What;
        const std::vector<uint8_t>& Bytes;
        uint32_t Colour; // of the 16 icon; 0: none
    };
    const CASE cases[] = {
        {"small image cut", cut, Green},
        {"middle image's offset wraps", wrapped, Red},
        {"small image's header too long", header, Green},
        {"count past the file", count, 0},
        {"image cut inside its header", tiny, 0},
    };
    for (const CASE& c : cases) {
        HICON icon = win32ui::IconFromIconFile(c.Bytes, 16);
        if (c.Colour == 0) {
            EXPECT_EQ(icon, nullptr) << c.What;
            continue;
        }
        ASSERT_NE(icon, nullptr) << c.What;
        const ICON_LOOK look = Look(icon);
        EXPECT_EQ(look.Width, 16) << c.What;
        EXPECT_EQ(look.Centre, c.Colour) << c.What;
        DestroyIcon(icon);
    }
}

// What the tray and the window get: the picture's icon at the system's small and large icon sizes.
TEST(IconPick, ThePictureGivesTheTrayTheSmallImageAndTheWindowBoth) {
    CWin32Backend backend;
    const std::vector<uint8_t> file = IconFile(ThreeSizes);
    PICTURE_INFO info;
    std::shared_ptr<void> native;
    ASSERT_EQ(backend.DecodePicture(file, PictureFormat::Icon, info, native), UiOk);
    CPicture picture;
    picture.Assign(info, file, native, u"Three.ico");
    const int32_t smallSize = win32ui::SmallIconSize(), largeSize = win32ui::LargeIconSize();
    ASSERT_EQ(smallSize, GetSystemMetrics(SM_CXSMICON));
    HICON trayIcon = win32ui::PictureIcon(picture, smallSize);
    const ICON_LOOK tray = Look(trayIcon);
    EXPECT_EQ(tray.Width, smallSize);
    EXPECT_EQ(tray.Centre, smallSize <= 16 ? Red : smallSize <= 32 ? Green : Blue);
    const ICON_LOOK window = Look(win32ui::PictureIcon(picture, largeSize));
    EXPECT_EQ(window.Width, largeSize);
    EXPECT_EQ(window.Centre, largeSize <= 16 ? Red : largeSize <= 32 ? Green : Blue);
    EXPECT_EQ(win32ui::PictureIcon(picture, smallSize), trayIcon) << "made once per size";
}

} // namespace
} // namespace tonvel::ui
