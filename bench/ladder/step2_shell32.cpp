// Step 2 of the ladder from the floor to tovrix: step 1 with a
// notification icon (shell32).
#include <windows.h>

#include "floor_window.h"
#include "ingredients.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HWND window = vistrel::bench::CreateFloorWindow(instance);
    if (window == nullptr) return 1;
    vistrel::bench::AddUpDown(window);
    vistrel::bench::AddNotifyIcon(window);
    ::ShowWindow(window, SW_SHOW);
    return vistrel::bench::RunMessageLoop();
}
