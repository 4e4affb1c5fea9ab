#pragma once

#include <windows.h>

#include <string>

#include "launched_process.h"
#include "pace.h"

namespace vistrel::soak {

inline constexpr wchar_t kSettingsClass[] = L"Tfrm_main";
inline constexpr wchar_t kTipClass[] = L"Tfrm_tip";

// One running copy of the program, driven as a user would: its process,
// its settings window and its pop-up. Every step throws std::runtime_error
// saying what did not happen.
class TovrixSession {
public:
    // Starts the program and waits for its settings window to show.
    static TovrixSession Start(const std::wstring& exePath, const Pace& pace);

    [[nodiscard]] const LaunchedProcess& Process() const noexcept { return process_; }
    [[nodiscard]] HWND Settings() const noexcept { return settings_; }
    [[nodiscard]] HWND Tip() const noexcept { return tip_; }

    // "确定": starts the reminders and hides the settings window.
    void ClickOk(const Pace& pace) const;
    // "取消": ends the program.
    void ClickCancel() const;
    // As many ticks of the minute timer as a reminder period has minutes.
    void PostMinuteTicks(int count) const;
    // Right button on the notification icon, then the menu's first item
    // ("Vistrel设置"): the settings window must come back.
    void OpenSettingsFromTrayMenu(const Pace& pace) const;

private:
    TovrixSession(LaunchedProcess process, HWND settings, HWND tip)
        : process_(std::move(process)), settings_(settings), tip_(tip) {}

    LaunchedProcess process_;
    HWND settings_;
    HWND tip_;
};

}  // namespace vistrel::soak
