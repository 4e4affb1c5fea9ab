#pragma once

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>

namespace vistrel::e2e {

[[nodiscard]] RECT WindowRect(HWND window);
[[nodiscard]] bool Visible(HWND window);
[[nodiscard]] LONG_PTR ExStyle(HWND window);
[[nodiscard]] bool HasExStyle(HWND window, LONG_PTR flags);
// The opacity set with LWA_ALPHA, if the window is layered with one.
[[nodiscard]] std::optional<BYTE> LayeredAlpha(HWND window);
[[nodiscard]] std::wstring WindowText(HWND window);
// The text a control holds itself (an edit box's), asked with WM_GETTEXT:
// the caption the system keeps may lag behind it.
[[nodiscard]] std::wstring ControlText(HWND control);
[[nodiscard]] SIZE ClientSize(HWND window);
[[nodiscard]] POINT ToScreen(HWND window, POINT client);
// The work area as any program sees it (the virtual desktop minus the taskbar).
[[nodiscard]] RECT WorkArea();

[[nodiscard]] constexpr int Width(const RECT& r) { return r.right - r.left; }
[[nodiscard]] constexpr int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace vistrel::e2e

// Readable RECT and POINT in failure messages and comparisons.
[[nodiscard]] bool operator==(const RECT& a, const RECT& b);
std::ostream& operator<<(std::ostream& out, const RECT& r);
[[nodiscard]] bool operator==(const POINT& a, const POINT& b);
std::ostream& operator<<(std::ostream& out, const POINT& p);
