#include "input.h"

#include <array>

#include "polling.h"

namespace vistrel::e2e {
namespace {

// Position in 0..65535 over the virtual screen, rounded so that it maps
// back to exactly this pixel.
LONG Normalised(LONG pixel, int origin, int extent) {
    const auto offset = static_cast<long long>(pixel - origin);
    return static_cast<LONG>((offset * 65536 + extent - 1) / extent);
}

INPUT MouseInput(POINT screen, DWORD buttonFlags) {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(screen.x, left, width);
    input.mi.dy = Normalised(screen.y, top, height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | buttonFlags;
    return input;
}

void Send(INPUT input) { ::SendInput(1, &input, sizeof input); }

// Gives the receiving program time to take each event.
constexpr milliseconds kSettle{30};

}  // namespace

void MovePointer(POINT screen) {
    Send(MouseInput(screen, 0));
    Pause(kSettle);
}

void WalkPointer(POINT to, int steps) {
    POINT from{};
    ::GetCursorPos(&from);
    for (int i = 1; i <= steps; ++i) {
        MovePointer(POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    }
}

void PressLeft(POINT screen) {
    Send(MouseInput(screen, 0));
    Send(MouseInput(screen, MOUSEEVENTF_LEFTDOWN));
    Pause(kSettle);
}

void ReleaseLeft(POINT screen) {
    Send(MouseInput(screen, MOUSEEVENTF_LEFTUP));
    Pause(kSettle);
}

void ClickLeft(POINT screen) {
    PressLeft(screen);
    ReleaseLeft(screen);
}

void ClickRight(POINT screen) {
    // A press soon after the last one would reach the program as the second
    // of a double click (a time on the desktop's clock, however fast it runs).
    static Clock::time_point lastPress{};
    const milliseconds doubleClick{::GetDoubleClickTime() + 50};
    if (const auto since = Since(lastPress); since < doubleClick) {
        ::Sleep(static_cast<DWORD>((doubleClick - since).count()));
    }
    lastPress = Clock::now();
    Send(MouseInput(screen, 0));
    Send(MouseInput(screen, MOUSEEVENTF_RIGHTDOWN));
    Pause(kSettle);
    Send(MouseInput(screen, MOUSEEVENTF_RIGHTUP));
    Pause(kSettle);
}

void DoubleClickLeft(POINT screen) {
    // Both clicks inside the double-click time, without a pause between.
    Send(MouseInput(screen, 0));
    for (int i = 0; i < 2; ++i) {
        Send(MouseInput(screen, MOUSEEVENTF_LEFTDOWN));
        Send(MouseInput(screen, MOUSEEVENTF_LEFTUP));
    }
    Pause(kSettle);
}

void DragLeft(POINT from, POINT to, int steps) {
    PressLeft(from);
    for (int i = 1; i <= steps; ++i) {
        MovePointer(POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    }
    ReleaseLeft(to);
}

void PressKey(WORD virtualKey) {
    std::array<INPUT, 2> keys{};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = virtualKey;
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    Pause(kSettle);
}

POINT CentreOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace vistrel::e2e
