#pragma once

#include <windows.h>

namespace vistrel::win {

// The primary display's area not covered by the taskbar, asked afresh each
// time: the taskbar can move or change size at any moment.
[[nodiscard]] RECT WorkArea();

// The whole primary display.
[[nodiscard]] SIZE ScreenSize();

}  // namespace vistrel::win
