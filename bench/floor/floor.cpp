// The floor for the footprint benchmark: the least a windowed Win32
// program with a minute timer can be. One window, one message loop, one
// 60-second timer, nothing else; built like tovrix.exe.
#include <windows.h>

namespace {

constexpr wchar_t kClassName[] = L"VistrelFloor";
constexpr UINT_PTR kMinuteTimerId = 1;
constexpr UINT kMinuteMs = 60'000;
// The size of tovrix's settings window, so that both draw the same area.
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

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (::RegisterClassExW(&windowClass) == 0) return 1;

    RECT frame{0, 0, kClientWidth, kClientHeight};
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    HWND window = ::CreateWindowExW(kExStyle, kClassName, L"Floor", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                                    nullptr);
    if (window == nullptr) return 1;
    ::SetTimer(window, kMinuteTimerId, kMinuteMs, nullptr);
    ::ShowWindow(window, SW_SHOW);

    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    return static_cast<int>(message.wParam);
}
