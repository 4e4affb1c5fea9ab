#include "reference_menu.h"

#include <stdexcept>
#include <string>

#include "polling.h"
#include "tray_icon.h"
#include "window_lookup.h"

namespace vistrel::e2e {
namespace {

constexpr wchar_t kOwnerClass[] = L"VistrelE2eMenuOwner";
// Asks the menu's own thread to end its menu.
constexpr UINT kEndMenu = WM_APP;
constexpr milliseconds kShowLimit{5'000};

LRESULT CALLBACK OwnerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    if (msg == kEndMenu) {
        ::EndMenu();
        return 0;
    }
    return ::DefWindowProcW(window, msg, wParam, lParam);
}

void RegisterOwnerClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kOwnerClass;
    ::RegisterClassExW(&wc);  // fails harmlessly when already registered
}

}  // namespace

ReferenceMenu::ReferenceMenu(std::span<const std::wstring_view> items, POINT at, UINT flags)
    : menu_(::CreatePopupMenu()) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::wstring text{items[i]};
        if (text.empty()) {
            ::AppendMenuW(menu_.get(), MF_SEPARATOR, 0, nullptr);
        } else {
            ::AppendMenuW(menu_.get(), MF_STRING, i + 1, text.c_str());
        }
    }
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = ::GetSysColorBrush(COLOR_BTNFACE);
    ::SetMenuInfo(menu_.get(), &info);

    thread_ = std::jthread([this, at, flags] { Track(at, flags); });
    window_ = WaitForTopLevelWindow(::GetCurrentProcessId(), kMenuClass, kShowLimit, true);
    if (window_ == nullptr) {
        Close();
        throw std::runtime_error("the reference menu never showed");
    }
}

void ReferenceMenu::Track(POINT at, UINT flags) {
    RegisterOwnerClass();
    // The menu's owner must belong to the thread that runs the menu.
    win::UniqueWindow owner(::CreateWindowExW(0, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                              ::GetModuleHandleW(nullptr), nullptr));
    owner_ = owner.get();
    if (owner) {
        ::SetForegroundWindow(owner.get());
        ::TrackPopupMenuEx(menu_.get(), flags, at.x, at.y, owner.get(), nullptr);
    }
    owner_ = nullptr;
    tracking_ = false;
}

RECT ReferenceMenu::ItemRect(UINT position) const {
    RECT r{};
    if (!::GetMenuItemRect(nullptr, menu_.get(), position, &r)) {
        throw std::runtime_error("no rectangle for reference menu item " + std::to_string(position));
    }
    return r;
}

void ReferenceMenu::Close() noexcept {
    // The request may come before the menu loop runs: ask until it has ended.
    (void)WaitUntil(
        [this] {
            if (HWND owner = owner_; owner != nullptr) ::PostMessageW(owner, kEndMenu, 0, 0);
            return !tracking_;
        },
        kShowLimit, milliseconds{50});
    if (thread_.joinable()) thread_.join();
}

}  // namespace vistrel::e2e
