#include "notepad_window.h"

#include <future>
#include <stdexcept>

#include "input.h"
#include "polling.h"

namespace vistrel::e2e {
namespace {

constexpr wchar_t kClassName[] = L"VistrelE2eNotepad";
constexpr int kEditId = 1;

LRESULT CALLBACK NotepadProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    switch (msg) {
    case WM_SIZE:
        ::MoveWindow(::GetDlgItem(window, kEditId), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        ::SetFocus(::GetDlgItem(window, kEditId));
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(window, msg, wParam, lParam);
    }
}

void RegisterNotepadClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = NotepadProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    ::RegisterClassExW(&wc);  // fails harmlessly when already registered
}

}  // namespace

NotepadWindow::NotepadWindow(RECT frame) {
    std::promise<void> ready;
    auto made = ready.get_future();
    thread_ = std::jthread([this, frame, &ready] {
        threadId_ = ::GetCurrentThreadId();
        RegisterNotepadClass();
        window_ = ::CreateWindowExW(0, kClassName, L"Notes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, frame.left,
                                    frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                    nullptr, ::GetModuleHandleW(nullptr), nullptr);
        if (window_ != nullptr) {
            RECT client{};
            ::GetClientRect(window_, &client);
            edit_ = ::CreateWindowExW(0, L"EDIT", L"typing here", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0,
                                      client.right, client.bottom, window_,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)),
                                      ::GetModuleHandleW(nullptr), nullptr);
        }
        ready.set_value();
        if (window_ == nullptr) return;
        MSG msg{};
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    });
    made.wait();
    if (window_ == nullptr || edit_ == nullptr) throw std::runtime_error("could not make the notepad window");
}

NotepadWindow::~NotepadWindow() {
    if (window_ != nullptr) ::PostMessageW(window_, WM_CLOSE, 0, 0);
}

bool NotepadWindow::TakeFocusByClick() const {
    return WaitUntil(
        [this] {
            if (HasForegroundAndFocus()) return true;
            ClickLeft(CentreOf(edit_));
            return HasForegroundAndFocus();
        },
        milliseconds{3000}, milliseconds{100});
}

bool NotepadWindow::HasForegroundAndFocus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetForegroundWindow() == window_ && ::GetGUIThreadInfo(threadId_, &info) && info.hwndFocus == edit_;
}

}  // namespace vistrel::e2e
