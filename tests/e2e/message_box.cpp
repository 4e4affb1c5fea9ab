#include "message_box.h"

#include <algorithm>

#include "window_lookup.h"
#include "window_state.h"

namespace vistrel::e2e {
namespace {

constexpr int kMessageTextId = 0xFFFF;

}  // namespace

HWND WaitForMessageBox(DWORD processId, milliseconds limit, int button) {
    HWND found = nullptr;
    // Seen too early, a box may not have its text and buttons yet.
    const bool ok = WaitUntil(
        [&] {
            for (HWND box : TopLevelWindows(processId, kDialogClass)) {
                if (Visible(box) && ::GetDlgItem(box, button) != nullptr && !MessageBoxText(box).empty()) {
                    found = box;
                    return true;
                }
            }
            return false;
        },
        limit);
    return ok ? found : nullptr;
}

std::wstring MessageBoxText(HWND box) {
    HWND text = ::GetDlgItem(box, kMessageTextId);
    return text != nullptr ? WindowText(text) : std::wstring{};
}

bool MessageBoxShowsIcon(HWND box) {
    for (HWND control : ChildrenOfClass(box, L"Static")) {
        const auto style = ::GetWindowLongPtrW(control, GWL_STYLE);
        DWORD_PTR icon = 0;
        if ((style & SS_TYPEMASK) == SS_ICON && Visible(control) &&
            ::SendMessageTimeoutW(control, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 2000, &icon) != 0 && icon != 0) {
            return true;
        }
    }
    return false;
}

std::vector<int> MessageBoxButtons(HWND box) {
    std::vector<HWND> buttons = ChildrenOfClass(box, L"Button");
    std::erase_if(buttons, [](HWND b) { return !Visible(b); });
    std::sort(buttons.begin(), buttons.end(), [](HWND a, HWND b) { return WindowRect(a).left < WindowRect(b).left; });
    std::vector<int> ids;
    for (HWND b : buttons) ids.push_back(::GetDlgCtrlID(b));
    return ids;
}

}  // namespace vistrel::e2e

