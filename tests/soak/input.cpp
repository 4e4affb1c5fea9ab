#include "input.h"

#include <array>

namespace vistrel::soak {
namespace {

// Position in 0..65535 over the virtual screen, rounded so that it maps
// back to exactly this pixel.
LONG Normalised(LONG pixel, int origin, int extent) {
    const auto offset = static_cast<long long>(pixel - origin);
    return static_cast<LONG>((offset * 65536 + extent - 1) / extent);
}

INPUT MouseInput(POINT screen, DWORD buttonFlags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(screen.x, ::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    input.mi.dy = Normalised(screen.y, ::GetSystemMetrics(SM_YVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | buttonFlags;
    return input;
}

void Click(POINT screen, DWORD down, DWORD up) {
    std::array<INPUT, 3> events{MouseInput(screen, 0), MouseInput(screen, down), MouseInput(screen, up)};
    for (INPUT& event : events) {
        ::SendInput(1, &event, sizeof event);
        // Each event is taken on its own, in order, as a hand's would be.
        ::Sleep(0);
    }
}

}  // namespace

void ClickLeft(POINT screen) { Click(screen, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }

void ClickRight(POINT screen) { Click(screen, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

void PressKey(WORD virtualKey) {
    std::array<INPUT, 2> keys{};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = virtualKey;
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

}  // namespace vistrel::soak
