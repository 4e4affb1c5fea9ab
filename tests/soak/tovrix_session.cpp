#include "tovrix_session.h"

#include <stdexcept>

#include "desktop.h"
#include "input.h"
#include "main_form_layout.h"

namespace vistrel::soak {
namespace {

// The settings window's minute timer (Timer_eye).
constexpr WPARAM kMinuteTimerId = 1;
constexpr double kWindowLimitMs = 20'000;
// Below the menu's top margin, inside its first item.
constexpr int kFirstMenuItemY = 12;

HWND SettingsButton(HWND settings, int id) {
    HWND button = ChildById(settings, id);
    if (button == nullptr) throw std::runtime_error("the settings window has no button " + std::to_string(id));
    return button;
}

}  // namespace

TovrixSession TovrixSession::Start(const std::wstring& exePath, const Pace& pace) {
    LaunchedProcess process = LaunchedProcess::Start(exePath);
    HWND settings = nullptr;
    if (!pace.WaitUntil([&] { return (settings = FindTopLevel(process.Id(), kSettingsClass, true)) != nullptr; },
                        kWindowLimitMs)) {
        throw std::runtime_error("the settings window never showed");
    }
    // Made before the settings window is shown.
    HWND tip = FindTopLevel(process.Id(), kTipClass, false);
    if (tip == nullptr) throw std::runtime_error("the program has no pop-up window");
    return TovrixSession{std::move(process), settings, tip};
}

void TovrixSession::ClickOk(const Pace& pace) const {
    ClickLeft(CentreOf(SettingsButton(settings_, layouts::main::Button1)));
    if (!pace.WaitUntil([this] { return !Visible(settings_); }, kWindowLimitMs)) {
        throw std::runtime_error("the settings window stayed after OK");
    }
}

void TovrixSession::ClickCancel() const { ClickLeft(CentreOf(SettingsButton(settings_, layouts::main::Button2))); }

void TovrixSession::PostMinuteTicks(int count) const {
    for (int i = 0; i < count; ++i) ::PostMessageW(settings_, WM_TIMER, kMinuteTimerId, 0);
}

void TovrixSession::OpenSettingsFromTrayMenu(const Pace& pace) const {
    const auto icon = TrayIconCentre();
    if (!icon) throw std::runtime_error("no icon in the notification area");
    ClickRight(*icon);
    HWND menu = nullptr;
    if (!pace.WaitUntil([&] { return (menu = OpenMenu(process_.Id())) != nullptr; }, kWindowLimitMs)) {
        throw std::runtime_error("the notification icon's menu did not open");
    }
    const RECT r = WindowRect(menu);
    ClickLeft(POINT{(r.left + r.right) / 2, r.top + kFirstMenuItemY});
    if (!pace.WaitUntil([this] { return Visible(settings_); }, kWindowLimitMs)) {
        throw std::runtime_error("the menu's first item did not bring the settings window back");
    }
}

}  // namespace vistrel::soak
