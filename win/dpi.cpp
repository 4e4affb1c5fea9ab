#include "dpi.h"

#include <windows.h>

namespace vistrel::win {
namespace {

int SystemDpi() {
    static const int dpi = [] {
        HDC screen = ::GetDC(nullptr);
        const int value = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
        if (screen != nullptr) ::ReleaseDC(nullptr, screen);
        return value > 0 ? value : USER_DEFAULT_SCREEN_DPI;
    }();
    return dpi;
}

}  // namespace

int ToDevice(int pixelsAt96Dpi) { return ::MulDiv(pixelsAt96Dpi, SystemDpi(), USER_DEFAULT_SCREEN_DPI); }

}  // namespace vistrel::win
