#include "screen.h"

namespace vistrel::win {

RECT WorkArea() {
    RECT area{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
        const SIZE screen = ScreenSize();
        area = RECT{0, 0, screen.cx, screen.cy};
    }
    return area;
}

SIZE ScreenSize() { return SIZE{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

}  // namespace vistrel::win
