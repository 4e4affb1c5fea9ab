#include "application.h"

#include <commctrl.h>

#include <string>

#include "controls.h"

namespace vistrel::win {
namespace {

constexpr wchar_t kApplicationIcon[] = L"MAINICON";

HICON LoadApplicationIcon(HINSTANCE instance, int metricX, int metricY) {
    return static_cast<HICON>(::LoadImageW(instance, kApplicationIcon, IMAGE_ICON, ::GetSystemMetrics(metricX),
                                           ::GetSystemMetrics(metricY), LR_DEFAULTCOLOR));
}

}  // namespace

Application::~Application() {
    while (!forms_.empty()) {
        forms_.back()->DestroyHandle();
        forms_.pop_back();
    }
}

void Application::Initialize() {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);
    RegisterControlClasses(instance_);
    icon_.reset(LoadApplicationIcon(instance_, SM_CXICON, SM_CYICON));
    smallIcon_.reset(LoadApplicationIcon(instance_, SM_CXSMICON, SM_CYSMICON));
}

void Application::Run() {
    if (terminated_ || forms_.empty()) return;
    forms_.front()->Show();
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void Application::Terminate() noexcept {
    if (terminated_) return;
    terminated_ = true;
    ::PostQuitMessage(0);
}

int Application::ShowMessageBox(std::wstring_view text, std::wstring_view caption, UINT flags) const {
    const std::wstring t{text};
    const std::wstring c{caption};
    HWND owner = MainForm() != nullptr ? MainForm()->Handle() : nullptr;
    return ::MessageBoxW(owner, t.c_str(), c.c_str(), flags);
}

}  // namespace vistrel::win
