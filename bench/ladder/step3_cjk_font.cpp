// Step 3 of the ladder from the floor to tovrix: step 2 with the settings
// window's Chinese labels in a CJK font.
#include <windows.h>

#include "floor_window.h"
#include "ingredients.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HWND window = vistrel::bench::CreateFloorWindow(instance);
    if (window == nullptr) return 1;
    vistrel::bench::AddUpDown(window);
    vistrel::bench::AddNotifyIcon(window);
    vistrel::bench::AddChineseLabels(window);
    ::ShowWindow(window, SW_SHOW);
    return vistrel::bench::RunMessageLoop();
}
