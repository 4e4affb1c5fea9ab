#pragma once

#include <windows.h>

namespace vistrel::e2e {

inline constexpr wchar_t kMenuClass[] = L"#32768";

// Wine's taskbar in the desktop "shell"; nullptr if there is none.
[[nodiscard]] HWND Taskbar();

// Where the notification area shows its first icon. Wine 8 draws the icons
// onto the taskbar itself, right to left from its right end, each a small
// icon with a 2-pixel border: no window to find, only this place.
[[nodiscard]] RECT FirstTrayIconSlot();
[[nodiscard]] POINT FirstTrayIconCentre();
// How many pixels of the slot differ from the bare taskbar: an icon drawn
// there gives many, an empty slot none.
[[nodiscard]] int TrayIconPixels();

// A program ended from outside leaves its icon behind until the pointer
// passes over it: the shell then finds the window gone and drops the icon.
// Passes the pointer over the first slot until no icon is left there;
// false if one stays (a running program's).
[[nodiscard]] bool ClearIconsOfEndedPrograms();

// The shell's notification area is shared: another process can ask about
// (and remove) a program's icon by its window and id. A modify that changes
// nothing succeeds exactly when the shell holds the icon.
[[nodiscard]] bool ShellHoldsIcon(HWND owner, UINT id);
[[nodiscard]] bool RemoveIconOf(HWND owner, UINT id);
// What the shell sends every top-level window when its taskbar is made.
void BroadcastTaskbarCreated();

}  // namespace vistrel::e2e
