#include "test_window.h"

#include <algorithm>

namespace vistrel::test {
namespace {

constexpr wchar_t kClassName[] = L"VistrelTestWindow";

void RegisterOnce() {
    [[maybe_unused]] static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClassName;
        return ::RegisterClassExW(&wc) != 0;
    }();
}

}  // namespace

TestWindow::TestWindow(HWND parent, DWORD style) {
    RegisterOnce();
    window_.reset(::CreateWindowExW(0, kClassName, L"test", style, 100, 100, 300, 200, parent, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr));
    if (window_) {
        ::SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ::SetWindowLongPtrW(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
    }
}

std::vector<ReceivedMessage> TestWindow::Received(UINT msg) const {
    std::vector<ReceivedMessage> matching;
    std::copy_if(received_.begin(), received_.end(), std::back_inserter(matching),
                 [msg](const ReceivedMessage& m) { return m.msg == msg; });
    return matching;
}

LRESULT CALLBACK TestWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<TestWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr && msg != WM_NCDESTROY) {
        if (self->onMessage) self->onMessage(msg, wParam, lParam);
        self->received_.push_back(ReceivedMessage{msg, wParam, lParam});
    }
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace vistrel::test
