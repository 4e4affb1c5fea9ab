#include "skin_data.h"

namespace vistrel {

void SkinData::ApplyToMenu(HMENU menu) const {
    if (!Active || !MenuUpdate || (SkinControls & xcPopupMenu) == 0 || menu == nullptr) return;
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    // A system colour brush: owned by the system, never freed.
    info.hbrBack = ::GetSysColorBrush(COLOR_BTNFACE);
    ::SetMenuInfo(menu, &info);
}

}  // namespace vistrel
