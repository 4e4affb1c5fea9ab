// Step 1 of the ladder from the floor to tovrix: the floor with comctl32's
// up-down control (and tovrix's manifest).
#include <windows.h>

#include "floor_window.h"
#include "ingredients.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HWND window = vistrel::bench::CreateFloorWindow(instance);
    if (window == nullptr) return 1;
    vistrel::bench::AddUpDown(window);
    ::ShowWindow(window, SW_SHOW);
    return vistrel::bench::RunMessageLoop();
}
