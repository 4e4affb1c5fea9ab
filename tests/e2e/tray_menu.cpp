#include "tray_menu.h"

#include <sstream>

#include "input.h"
#include "reference_menu.h"
#include "tovrix_under_test.h"
#include "tray_icon.h"
#include "window_lookup.h"
#include "window_state.h"

namespace vistrel::e2e {

ExpectedMenu ExpectedTrayMenuAt(POINT pointer) {
    const ReferenceMenu menu(kTrayMenuItems, pointer, kTrayMenuFlags);
    const RECT frame = WindowRect(menu.Window());
    std::vector<RECT> items;
    for (UINT i = 0; i < kTrayMenuItems.size(); ++i) items.push_back(menu.ItemRect(i));
    return ExpectedMenu{frame, items, ScreenImage::CaptureSettled(frame)};
}

HWND OpenTrayMenu(DWORD processId) {
    ClickRight(FirstTrayIconCentre());
    return WaitForTopLevelWindow(processId, kMenuClass, kWindowLimit, true);
}

std::string ChooseFromTrayMenu(DWORD processId, TrayMenuItem item) {
    const ExpectedMenu expected = ExpectedTrayMenuAt(FirstTrayIconCentre());
    HWND menu = OpenTrayMenu(processId);
    if (menu == nullptr) return "the menu did not open";
    if (const RECT frame = WindowRect(menu); frame != expected.frame) {
        std::ostringstream fault;
        fault << "the menu opened at " << frame << ", not at " << expected.frame;
        return fault.str();
    }
    const RECT target = expected.items[item];
    ClickLeft(POINT{(target.left + target.right) / 2, (target.top + target.bottom) / 2});
    if (!WaitUntil([&] { return !Visible(menu); }, kWindowLimit)) return "the menu stayed open after the click";
    return {};
}

}  // namespace vistrel::e2e
