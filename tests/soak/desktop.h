#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace vistrel::soak {

[[nodiscard]] std::wstring ClassName(HWND window);
[[nodiscard]] DWORD OwningProcess(HWND window);
[[nodiscard]] RECT WindowRect(HWND window);
[[nodiscard]] bool Visible(HWND window);

// A top-level window of the process with this class; nullptr if none.
[[nodiscard]] HWND FindTopLevel(DWORD processId, std::wstring_view className, bool visibleOnly);
// A control of `parent` (at any depth) by its id.
[[nodiscard]] HWND ChildById(HWND parent, int id);

// Wine's taskbar in the virtual desktop "shell"; nullptr before explorer
// has made it.
[[nodiscard]] HWND Taskbar();
// The work area as every program started after the taskbar sees it: the
// screen above the taskbar. (This process may have started before the
// taskbar and still see the whole screen.)
[[nodiscard]] RECT WorkAreaAboveTaskbar();
// The middle of the first (here: the only) icon in the taskbar's
// notification area; nothing before the taskbar shows.
[[nodiscard]] std::optional<POINT> TrayIconCentre();
// An open popup menu of this process, or of any process if 0.
[[nodiscard]] HWND OpenMenu(DWORD processId);

[[nodiscard]] POINT CentreOf(HWND window);
[[nodiscard]] std::string Describe(const RECT& r);

}  // namespace vistrel::soak
