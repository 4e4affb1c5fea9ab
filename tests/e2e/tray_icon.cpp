#include "tray_icon.h"

#include <shellapi.h>

#include "input.h"
#include "polling.h"
#include "screen_capture.h"
#include "window_state.h"

namespace vistrel::e2e {
namespace {

constexpr wchar_t kTaskbarClass[] = L"Shell_TrayWnd";
constexpr int kIconBorder = 2;

NOTIFYICONDATAW IconOf(HWND owner, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = id;
    return data;
}

}  // namespace

HWND Taskbar() { return ::FindWindowW(kTaskbarClass, nullptr); }

RECT FirstTrayIconSlot() {
    const RECT bar = WindowRect(Taskbar());
    const int slot = ::GetSystemMetrics(SM_CXSMICON) + 2 * kIconBorder;
    const int top = (bar.top + bar.bottom - slot) / 2;
    return RECT{bar.right - slot, top, bar.right, top + slot};
}

POINT FirstTrayIconCentre() {
    const RECT slot = FirstTrayIconSlot();
    return POINT{(slot.left + slot.right) / 2, (slot.top + slot.bottom) / 2};
}

int TrayIconPixels() {
    const RECT slot = FirstTrayIconSlot();
    const ScreenImage picture = ScreenImage::Capture(slot);
    // The corner pixel is the taskbar's own face: the border keeps icons off it.
    const Rgb bare = picture.At(POINT{slot.left, slot.top});
    return picture.Count(slot, [&](Rgb c) { return c != bare; });
}

bool ClearIconsOfEndedPrograms() {
    const POINT centre = FirstTrayIconCentre();
    LONG nudge = 1;
    return WaitUntil(
        [&] {
            if (TrayIconPixels() == 0) return true;
            nudge = -nudge;
            MovePointer(POINT{centre.x + nudge, centre.y});
            return false;
        },
        milliseconds{3'000}, milliseconds{50});
}

bool ShellHoldsIcon(HWND owner, UINT id) {
    NOTIFYICONDATAW data = IconOf(owner, id);
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool RemoveIconOf(HWND owner, UINT id) {
    NOTIFYICONDATAW data = IconOf(owner, id);
    return ::Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

void BroadcastTaskbarCreated() {
    const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
}

}  // namespace vistrel::e2e
