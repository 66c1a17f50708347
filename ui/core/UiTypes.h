#pragma once
// Plain records and constants shared by the UI framework and its users: points, rectangles, colours, mouse
// buttons, shift state and the window-message numbers the framework's messages carry (the Windows values,
// so that handlers read like the window procedures they stand for).

#include <cstdint>

namespace tonvel::ui {

struct UI_POINT {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const UI_POINT&) const = default;
};

struct UI_SIZE {
    int32_t cx = 0;
    int32_t cy = 0;
    bool operator==(const UI_SIZE&) const = default;
};

// Left/top inside, right/bottom outside, as Windows rectangles.
struct UI_RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool Contains(UI_POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool operator==(const UI_RECT&) const = default;
};

// A colour as Windows gives it: 0x00BBGGRR, or a system colour code with the top byte 0xFF.
using Colour = uint32_t;
inline constexpr Colour ColourBlack = 0x000000;
inline constexpr Colour ColourWhite = 0xFFFFFF;
inline constexpr Colour ColourWindowText = 0xFF000008; // clWindowText
inline constexpr Colour ColourBtnFace = 0xFF00000F;    // clBtnFace
inline constexpr Colour Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

enum class MouseButton { Left, Right, Middle };

// Shift state bits of a mouse event.
using ShiftState = uint32_t;
inline constexpr ShiftState ShiftShift = 0x01;
inline constexpr ShiftState ShiftCtrl = 0x02;
inline constexpr ShiftState ShiftAlt = 0x04;
inline constexpr ShiftState ShiftLeft = 0x08;
inline constexpr ShiftState ShiftRight = 0x10;
inline constexpr ShiftState ShiftMiddle = 0x20;
inline constexpr ShiftState ShiftDouble = 0x40;

// Window messages the framework produces and understands.
inline constexpr uint32_t UiWmNull = 0x0000;
inline constexpr uint32_t UiWmClose = 0x0010;
inline constexpr uint32_t UiWmQuit = 0x0012;
inline constexpr uint32_t UiWmCommand = 0x0111;
inline constexpr uint32_t UiWmSysCommand = 0x0112;
inline constexpr uint32_t UiWmTimer = 0x0113;
inline constexpr uint32_t UiWmMouseMove = 0x0200;
inline constexpr uint32_t UiWmLButtonDown = 0x0201;
inline constexpr uint32_t UiWmLButtonUp = 0x0202;
inline constexpr uint32_t UiWmLButtonDblClk = 0x0203;
inline constexpr uint32_t UiWmRButtonDown = 0x0204;
inline constexpr uint32_t UiWmRButtonUp = 0x0205;
inline constexpr uint32_t UiWmMButtonDown = 0x0207;
inline constexpr uint32_t UiWmMButtonUp = 0x0208;
inline constexpr uint32_t UiWmDeviceChange = 0x0219;
inline constexpr uint32_t UiWmUser = 0x0400;
inline constexpr uint32_t UiScMove = 0xF010;
inline constexpr uint32_t UiScDragMove = 0xF012; // "move by caption"

// Message-box flags and results (MB_* and ID* values).
inline constexpr uint32_t UiMbOk = 0x00;
inline constexpr uint32_t UiMbOkCancel = 0x01;
inline constexpr uint32_t UiMbYesNo = 0x04;
inline constexpr uint32_t UiMbIconError = 0x10;
inline constexpr uint32_t UiMbIconQuestion = 0x20;
inline constexpr uint32_t UiMbIconWarning = 0x30;
inline constexpr uint32_t UiMbIconInformation = 0x40;
inline constexpr int32_t UiIdOk = 1;
inline constexpr int32_t UiIdCancel = 2;
inline constexpr int32_t UiIdYes = 6;
inline constexpr int32_t UiIdNo = 7;

class CForm;

// One message as it travels through the application: the target form (none for thread messages), the
// message number and parameters, and the cursor position in screen coordinates when it was queued.
struct UI_MSG {
    CForm* form = nullptr;
    uint32_t message = 0;
    uint64_t wParam = 0;
    int64_t lParam = 0;
    UI_POINT cursor;
};

// The x and y of a mouse message's lParam (client coordinates, signed 16-bit each).
inline UI_POINT PointFromLParam(int64_t lParam) {
    return {static_cast<int16_t>(lParam & 0xFFFF), static_cast<int16_t>((lParam >> 16) & 0xFFFF)};
}
inline int64_t LParamFromPoint(UI_POINT p) {
    return static_cast<int64_t>(static_cast<uint16_t>(p.x)) |
           (static_cast<int64_t>(static_cast<uint16_t>(p.y)) << 16);
}

} // namespace tonvel::ui
