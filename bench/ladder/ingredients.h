#pragma once

#include <windows.h>

// What tovrix's settings window adds to the floor at start, one
// ingredient at a time, each in its own file so that a step of the ladder
// imports only the DLLs its ingredients need.
namespace vistrel::bench {

// comctl32 (version 6, by the manifest): the read-only edit box with its
// up-down control, the edit box focused.
void AddUpDown(HWND window);
// shell32: an icon in the notification area.
void AddNotifyIcon(HWND window);
// A CJK font: the settings window's Chinese labels in 微软雅黑.
void AddChineseLabels(HWND window);

}  // namespace vistrel::bench
