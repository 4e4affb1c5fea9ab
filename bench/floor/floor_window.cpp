#include "floor_window.h"

namespace vistrel::bench {
namespace {

constexpr UINT_PTR kMinuteTimerId = 1;
constexpr UINT kMinuteMs = 60'000;
constexpr int kClientWidth = 340;
constexpr int kClientHeight = 216;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_APPWINDOW;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

HWND CreateFloorWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFloorClass;
    if (::RegisterClassExW(&windowClass) == 0) return nullptr;

    RECT frame{0, 0, kClientWidth, kClientHeight};
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    HWND window = ::CreateWindowExW(kExStyle, kFloorClass, L"Floor", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                                    nullptr);
    if (window != nullptr) ::SetTimer(window, kMinuteTimerId, kMinuteMs, nullptr);
    return window;
}

int RunMessageLoop() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    return static_cast<int>(message.wParam);
}

}  // namespace vistrel::bench
