#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "polling.h"

namespace vistrel::e2e {

inline constexpr wchar_t kDialogClass[] = L"#32770";

// A visible message box of the process once it shows with its text and
// the given button; nullptr otherwise.
[[nodiscard]] HWND WaitForMessageBox(DWORD processId, milliseconds limit, int button = IDOK);

// The message: the box's text control (id 0xFFFF on Windows and Wine).
[[nodiscard]] std::wstring MessageBoxText(HWND box);
// A visible icon next to the message.
[[nodiscard]] bool MessageBoxShowsIcon(HWND box);
// The ids of its visible buttons, left to right.
[[nodiscard]] std::vector<int> MessageBoxButtons(HWND box);

}  // namespace vistrel::e2e
