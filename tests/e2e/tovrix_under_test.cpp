#include "tovrix_under_test.h"

#include <stdexcept>

#include "e2e_setup.h"
#include "input.h"
#include "main_form_layout.h"
#include "window_lookup.h"
#include "window_state.h"

namespace vistrel::e2e {
namespace {

// The settings window's minute timer (Timer_eye).
constexpr WPARAM kMinuteTimerId = 1;

HWND SettingsButton(HWND settings, int id) {
    HWND button = ChildById(settings, id);
    if (button == nullptr) throw std::runtime_error("settings window has no button " + std::to_string(id));
    return button;
}

}  // namespace

Tovrix Tovrix::Start() {
    ChildProcess process = ChildProcess::Launch(E2e().tovrixPath);
    HWND settings = WaitForTopLevelWindow(process.Id(), kSettingsClass, kWindowLimit, true);
    if (settings == nullptr) throw std::runtime_error("the settings window never showed");
    // Made before the settings window is shown.
    HWND tip = WaitForTopLevelWindow(process.Id(), kTipClass, milliseconds{0});
    if (tip == nullptr) throw std::runtime_error("there is no pop-up window");
    return Tovrix{std::move(process), settings, tip};
}

void Tovrix::ClickOk() const {
    ClickLeft(CentreOf(SettingsButton(settings_, layouts::main::Button1)));
    if (!WaitUntil([this] { return !Visible(settings_); }, kWindowLimit)) {
        throw std::runtime_error("the settings window stayed after OK");
    }
}

void Tovrix::ClickCancel() const { ClickLeft(CentreOf(SettingsButton(settings_, layouts::main::Button2))); }

void Tovrix::BringReminder(int periodMinutes) const {
    for (int i = 0; i < periodMinutes; ++i) ::PostMessageW(settings_, WM_TIMER, kMinuteTimerId, 0);
}

}  // namespace vistrel::e2e
