// The floor for the footprint benchmark: the least a windowed Win32
// program with a minute timer can be. One window, one message loop, one
// 60-second timer, nothing else; built like tovrix.exe.
#include <windows.h>

#include "floor_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HWND window = vistrel::bench::CreateFloorWindow(instance);
    if (window == nullptr) return 1;
    ::ShowWindow(window, SW_SHOW);
    return vistrel::bench::RunMessageLoop();
}
