#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "polling.h"

namespace vistrel::e2e {

[[nodiscard]] std::wstring ClassName(HWND window);
[[nodiscard]] DWORD OwningProcess(HWND window);

// Top-level windows of one class, hidden ones included: of every process,
// or of one.
[[nodiscard]] std::vector<HWND> TopLevelWindows(std::wstring_view className);
[[nodiscard]] std::vector<HWND> TopLevelWindows(DWORD processId, std::wstring_view className);

// The first such window once it exists (and, if asked, is visible); nullptr
// when the limit passes first.
[[nodiscard]] HWND WaitForTopLevelWindow(DWORD processId, std::wstring_view className, milliseconds limit,
                                         bool mustBeVisible = false);

// A control by its id anywhere below the window (controls may sit on panels).
[[nodiscard]] HWND ChildById(HWND parent, int id);

// The window's direct and deeper children of one class, in Z order.
[[nodiscard]] std::vector<HWND> ChildrenOfClass(HWND parent, std::wstring_view className);

}  // namespace vistrel::e2e
