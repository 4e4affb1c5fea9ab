#pragma once

#include <windows.h>

namespace vistrel::bench {

inline constexpr wchar_t kFloorClass[] = L"VistrelFloor";

// The floor: one window the size of tovrix's settings window, with one
// 60-second timer; not yet shown. nullptr if it cannot be made.
[[nodiscard]] HWND CreateFloorWindow(HINSTANCE instance);

// The one message loop, until the window is destroyed.
int RunMessageLoop();

}  // namespace vistrel::bench
