#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "screen_capture.h"

namespace vistrel::e2e {

// The notification icon's menu, item by item (an empty one is the separator).
inline constexpr std::array<std::wstring_view, 3> kTrayMenuItems{L"Vistrel设置", L"", L"关闭Vistrel"};
enum TrayMenuItem : UINT { kSettingsItem = 0, kSeparatorItem = 1, kCloseItem = 2 };
// How the program opens its menu: top-left corner at the pointer, where
// there is room.
inline constexpr UINT kTrayMenuFlags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON;

// What the program's menu must look like when opened at a point: the same
// items shown by the system in the test's own menu.
struct ExpectedMenu {
    RECT frame;
    std::vector<RECT> items;
    ScreenImage picture;
};

[[nodiscard]] ExpectedMenu ExpectedTrayMenuAt(POINT pointer);

// The right button on the icon; the process's menu once it shows, nullptr
// if none does.
[[nodiscard]] HWND OpenTrayMenu(DWORD processId);

// Opens the menu and clicks one of its items where the same menu of the
// test's own has it. Empty if that went well, else what went wrong.
[[nodiscard]] std::string ChooseFromTrayMenu(DWORD processId, TrayMenuItem item);

}  // namespace vistrel::e2e
