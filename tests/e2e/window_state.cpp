#include "window_state.h"

#include <algorithm>
#include <vector>

namespace vistrel::e2e {

RECT WindowRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

bool Visible(HWND window) { return ::IsWindowVisible(window) != FALSE; }

LONG_PTR ExStyle(HWND window) { return ::GetWindowLongPtrW(window, GWL_EXSTYLE); }

bool HasExStyle(HWND window, LONG_PTR flags) { return (ExStyle(window) & flags) == flags; }

std::optional<BYTE> LayeredAlpha(HWND window) {
    if (!HasExStyle(window, WS_EX_LAYERED)) return std::nullopt;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) {
        return std::nullopt;
    }
    return alpha;
}

std::wstring WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
    const int n = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return std::wstring{text.data(), static_cast<std::size_t>(n > 0 ? n : 0)};
}

std::wstring ControlText(HWND control) {
    std::vector<wchar_t> text(1024);
    DWORD_PTR copied = 0;
    if (::SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                              SMTO_ABORTIFHUNG, 2000, &copied) == 0) {
        return {};
    }
    return std::wstring{text.data(), std::min<std::size_t>(copied, text.size() - 1)};
}

SIZE ClientSize(HWND window) {
    RECT r{};
    ::GetClientRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

POINT ToScreen(HWND window, POINT client) {
    ::ClientToScreen(window, &client);
    return client;
}

RECT WorkArea() {
    RECT area{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

}  // namespace vistrel::e2e

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << '(' << r.left << ',' << r.top << ")-(" << r.right << ',' << r.bottom << ')';
}

bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }

std::ostream& operator<<(std::ostream& out, const POINT& p) { return out << '(' << p.x << ',' << p.y << ')'; }
