#pragma once

#include <array>

#include "layout.h"

// The reminder pop-up: a borderless green window with a yellow frame, the
// reminder picture and a close button. 96-DPI pixels.
namespace vistrel::layouts::tip {

enum ControlId : int { SpeedButton1 = 101 };

inline constexpr COLORREF kGreen = RGB(0, 128, 0);
inline constexpr COLORREF kYellow = RGB(255, 255, 0);
inline constexpr COLORREF kMaroon = RGB(128, 0, 0);

inline constexpr std::array kControls{
    win::ControlSpec{SpeedButton1, win::ControlKind::SpeedButton, 0, 249, 8, 17, 17, L"×"},
};

inline constexpr win::FormLayout kForm{
    .className = L"Tfrm_tip",
    .caption = L"",
    .style = WS_POPUP | WS_CLIPCHILDREN,
    // Always on top, never activated, no taskbar button.
    .exStyle = WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
    .clientWidth = 274,
    .clientHeight = 177,
    .colour = win::FixedColour(kGreen),
    .font = {L"宋体", -12, win::SystemColour(COLOR_WINDOWTEXT), GB2312_CHARSET},
    .controls = kControls,
};

// Drawn by the window itself rather than as child windows.
struct PictureSpec {
    int left, top, width, height;
};
inline constexpr PictureSpec kImage1{23, 48, 220, 89};
inline constexpr int kStripThickness = 8;

}  // namespace vistrel::layouts::tip
