#pragma once

#include <commctrl.h>

#include <array>

#include "layout.h"

// The settings window. 96-DPI pixels.
namespace vistrel::layouts::main {

enum ControlId : int {
    Label_url = 101,
    Button1,
    Button2,
    Panel1,
    Label4,
    Label3,
    Label1,
    Edit_time,
    UpDown1,
};

// Items of the notification icon's menu.
enum MenuId : int { N2 = 201, Exit1 };

inline constexpr COLORREF kTextColour = 0x804000;  // red 0, green 64, blue 128

inline constexpr DWORD kLabelStyle = SS_LEFT | SS_NOPREFIX;

inline constexpr std::array kControls{
    win::ControlSpec{Label_url, win::ControlKind::Label, 0, 10, 185, 72, 17, L"访问软件主页",
                     SS_LEFT | SS_NOPREFIX | SS_NOTIFY},
    win::ControlSpec{Button1, win::ControlKind::SpeedButton, 0, 158, 180, 83, 25, L"确定"},
    win::ControlSpec{Button2, win::ControlKind::SpeedButton, 0, 247, 180, 83, 25, L"取消"},
    win::ControlSpec{Panel1, win::ControlKind::Panel, 0, 8, 8, 324, 163, L"", 0, WS_EX_CONTROLPARENT},
    win::ControlSpec{Label4, win::ControlKind::Label, Panel1, 34, 75, 145, 16, L"时间间隔：（单位：分钟）", kLabelStyle},
    win::ControlSpec{Label3, win::ControlKind::Label, Panel1, 22, 25, 281, 40,
                     L"   本功能将以设置的时间间隔为周期，在屏幕右下角以信息提示窗的形式，进行休息和护眼提醒。",
                     kLabelStyle},
    win::ControlSpec{Label1, win::ControlKind::Label, Panel1, 22, 106, 281, 40,
                     L"   本软件运行后，会在电脑右下角生成相应图标，在图标上点击右键菜单，可进行相关操作。",
                     kLabelStyle},
    win::ControlSpec{Edit_time, win::ControlKind::Edit, Panel1, 187, 71, 76, 25, L"10",
                     ES_LEFT | ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    win::ControlSpec{UpDown1, win::ControlKind::UpDown, Panel1, 263, 71, 16, 25, L"",
                     UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS},
};

inline constexpr win::FormLayout kForm{
    .className = L"Tfrm_main",
    .caption = L"Vistrel V2.0",
    // A tool window with a close box only, fixed size.
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
    .exStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT,
    .clientWidth = 340,
    .clientHeight = 216,
    .colour = win::SystemColour(COLOR_BTNFACE),
    .font = {L"微软雅黑", -12, win::FixedColour(kTextColour), GB2312_CHARSET},
    .controls = kControls,
};

inline constexpr win::FontSpec kLabelUrlFont{L"微软雅黑", -12, win::FixedColour(kTextColour), ANSI_CHARSET};

inline constexpr int kUpDownMin = 10;
inline constexpr int kUpDownMax = 300;
inline constexpr int kUpDownStep = 5;
inline constexpr int kUpDownStart = 10;

inline constexpr wchar_t kMenuSettings[] = L"Vistrel设置";
inline constexpr wchar_t kMenuClose[] = L"关闭Vistrel";

}  // namespace vistrel::layouts::main
